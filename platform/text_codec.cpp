#include "text_codec.h"
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {
namespace {

constexpr const char* kCodec = "windows-31j";
constexpr QChar kReplacement(0xFFFD);
constexpr QChar kSubstitute(0x1A); // ICU's stand-in for what it cannot convert

} // namespace

QString decode_cp932(const QByteArray& bytes)
{
    QStringDecoder dec(kCodec, QStringConverter::Flag::Stateless);
    if (!dec.isValid())
        return QString::fromLatin1(bytes); // no ICU: keep the ASCII readable
    QString text = dec(bytes);
    if (!dec.hasError())
        return text;
    if (!bytes.contains('\x1a'))
        text.replace(kSubstitute, kReplacement);
    if (!text.contains(kReplacement))
        text.append(kReplacement); // a lead byte cut off at the end
    return text;
}

QByteArray encode_cp932(const QString& text)
{
    QStringEncoder whole_encoder(kCodec, QStringConverter::Flag::Stateless);
    if (!whole_encoder.isValid())
        return text.toLatin1();
    QByteArray whole = whole_encoder(text);
    if (!whole_encoder.hasError())
        return whole;
    // Some character has no code here: go one character at a time (an encoder's
    // error flag is sticky, so each gets a fresh one) and put "?" for each failure.
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder enc(kCodec, QStringConverter::Flag::Stateless);
        const QByteArray b = enc(QStringView(text).mid(i, len));
        out += enc.hasError() ? QByteArray("?") : b;
        i += len;
    }
    return out;
}

} // namespace platform
