#include "text_codec.h"
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {
namespace {

constexpr const char* kCodec = "windows-31j";
constexpr QChar kReplacement(0xFFFD);
constexpr QChar kSubstitute(0x1A); // ICU's stand-in for a byte it cannot convert

// ICU's table for this code page moves 0x1A, 0x1C and 0x7F about. None of them
// can be the second byte of a pair, so the text is cut at them and they are
// handled here as the plain ASCII they are in Windows.
bool is_moved_byte(char b)
{
    return b == '\x1a' || b == '\x1c' || b == '\x7f';
}

bool is_lead_byte(uchar b)
{
    return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
}

// A piece that holds none of the moved bytes.
QString decode_piece(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    QStringDecoder dec(kCodec, QStringConverter::Flag::Stateless);
    if (!dec.isValid())
        return QString::fromLatin1(bytes); // no ICU: keep the ASCII readable
    QString text = dec(bytes);
    if (!dec.hasError())
        return text;
    // With no 0x1A byte in the piece, every U+001A is a byte that did not decode.
    text.replace(kSubstitute, kReplacement);
    // ICU drops a lead byte that the piece cuts off: find out whether the last
    // byte stands alone as such a lead.
    qsizetype i = 0;
    bool lone_lead = false;
    while (i < bytes.size()) {
        const uchar b = uchar(bytes[i]);
        lone_lead = is_lead_byte(b) && i + 1 == bytes.size();
        const bool pair = is_lead_byte(b) && i + 1 < bytes.size() &&
                          ((uchar(bytes[i + 1]) >= 0x40 && uchar(bytes[i + 1]) <= 0x7e) || uchar(bytes[i + 1]) >= 0x80);
        i += pair ? 2 : 1;
    }
    if (lone_lead)
        text.append(kReplacement);
    return text;
}

// Where Linux text has a code point of its own, the one Windows uses for the
// same CP932 code.
char16_t windows_form(char16_t c)
{
    switch (c) {
    case 0x301C: return 0xFF5E; // 〜 wave dash -> 81 60
    case 0x2212: return 0xFF0D; // − minus -> 81 7C
    case 0x2016: return 0x2225; // ‖ double vertical line -> 81 61
    case 0x00A2: return 0xFFE0; // ¢ -> 81 91
    case 0x00A3: return 0xFFE1; // £ -> 81 92
    case 0x00AC: return 0xFFE2; // ¬ -> 81 CA
    case 0x2014: return 0x2015; // — em dash -> 81 5C
    default: return c;
    }
}

// Characters that ICU will take, without the moved ASCII ones.
void encode_piece(QStringView text, QByteArray& out, QString* lost)
{
    if (text.isEmpty())
        return;
    QStringEncoder enc(kCodec, QStringConverter::Flag::Stateless);
    if (!enc.isValid()) {
        out += text.toLatin1();
        return;
    }
    const QByteArray whole = enc(text);
    if (!enc.hasError()) {
        out += whole;
        return;
    }
    // Halve until the failing characters stand alone (an encoder's error flag
    // is sticky, so each half gets a fresh one); few failures cost few calls.
    const bool one_char =
        text.size() == 1 || (text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate());
    if (one_char) {
        out += '?';
        if (lost)
            *lost += text;
        return;
    }
    qsizetype half = text.size() / 2;
    if (text[half].isLowSurrogate() && text[half - 1].isHighSurrogate())
        ++half; // never inside a pair; three or more units leave both halves non-empty
    encode_piece(text.first(half), out, lost);
    encode_piece(text.sliced(half), out, lost);
}

} // namespace

QString decode_cp932(const QByteArray& bytes)
{
    QString out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (!is_moved_byte(bytes[i]))
            continue;
        out += decode_piece(QByteArrayView(bytes).sliced(start, i - start));
        out += QChar(uchar(bytes[i]));
        start = i + 1;
    }
    if (start == 0)
        return decode_piece(bytes);
    out += decode_piece(QByteArrayView(bytes).sliced(start));
    return out;
}

QByteArray encode_cp932(const QString& text, QString* lost)
{
    if (lost)
        lost->clear();
    QString windows(text);
    for (QChar& c : windows)
        c = QChar(windows_form(c.unicode()));
    QByteArray out;
    out.reserve(text.size() * 2);
    qsizetype start = 0;
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const char16_t c = windows[i].unicode();
        if (c != 0x1A && c != 0x1C && c != 0x7F)
            continue;
        encode_piece(QStringView(windows).sliced(start, i - start), out, lost);
        out += char(c);
        start = i + 1;
    }
    encode_piece(QStringView(windows).sliced(start), out, lost);
    return out;
}

} // namespace platform
