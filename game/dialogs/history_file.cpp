#include "history_file.h"
#include "platform/files/regular_file.h"
#include "platform/text/text_codec.h"

namespace history_file {

Text read(const QString& path)
{
    QByteArray bytes;
    switch (platform::read_regular_file(path, kMaxBytes, &bytes)) {
    case platform::BoundedRead::Read:
        return {Outcome::Read, with_crlf_lines(platform::decode_cp932(bytes))};
    case platform::BoundedRead::TooLarge:
        return {Outcome::TooLarge, {}};
    case platform::BoundedRead::Unreadable:
        break;
    }
    return {Outcome::Unreadable, {}};
}

QString with_crlf_lines(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        out += QStringView(text).mid(start, end - start);
        out += QStringLiteral("\r\n");
        if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return out;
}

} // namespace history_file
