#include "history_file.h"
#include "platform/atomic_file.h"
#include "platform/text_codec.h"
#include <QFileInfo>

namespace history_file {

std::optional<QString> read(const QString& path)
{
    // A folder or a device by that name is not a text to show.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QByteArray bytes;
    if (!platform::read_whole_file(path, &bytes))
        return std::nullopt;
    return with_crlf_lines(platform::decode_cp932(bytes));
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
