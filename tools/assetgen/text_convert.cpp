#include "text_convert.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <stdexcept>

namespace assetgen {

QByteArray to_cp932_crlf(const QString& text)
{
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QByteArray out;
    out.reserve(unified.size() * 2);
    // One code point at a time: ICU substitutes unmappable characters with a
    // converter-specific byte pair, and we want a plain "?" instead.
    for (qsizetype i = 0; i < unified.size();) {
        const qsizetype len = (unified.at(i).isHighSurrogate() && i + 1 < unified.size()) ? 2 : 1;
        const QString one = unified.mid(i, len);
        i += len;
        if (one == QLatin1String("\n")) {
            out.append("\r\n");
            continue;
        }
        QStringEncoder encoder("windows-31j");
        if (!encoder.isValid())
            throw std::runtime_error("no windows-31j codec");
        const QByteArray bytes = encoder.encode(one);
        if (encoder.hasError() || bytes.isEmpty())
            out.append('?');
        else
            out.append(bytes);
    }
    return out;
}

void convert_text_file(const QString& utf8_path, const QString& cp932_path)
{
    QFile in(utf8_path);
    if (!in.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + utf8_path.toStdString());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(in.readAll());
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    const QByteArray bytes = to_cp932_crlf(text);
    QFile out(cp932_path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + cp932_path.toStdString());
}

}  // namespace assetgen
