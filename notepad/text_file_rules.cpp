#include "text_file_rules.h"
#include "platform/text/text_codec.h"
#include <QDir>
#include <QFileInfo>

namespace {

const QByteArray kBom("\xef\xbb\xbf");

bool is_ascii_letter(uchar b) { return (b | 0x20) >= 'a' && (b | 0x20) <= 'z'; }
bool is_ascii_lower(uchar b) { return b >= 'a' && b <= 'z'; }
bool is_ascii_digit(uchar b) { return b >= '0' && b <= '9'; }

// Whether the pairs (C2-DF, then 80-BF) of valid UTF-8 stand as European text does. Read as
// CP932, such a pair is a half-width katakana and either another one (second byte A1-BF) or
// the lead byte of a double-byte code whose trail is the byte after the pair (81-9F): an
// ASCII letter after such a pair tells nothing, CP932 has plenty of codes ending in one
// ("ﾈ。" is C8 81 42, "ȁB" in UTF-8).
class EuropeanPairs {
public:
    // The pair at `at`; true once the text has shown itself European:
    // - a letter of Latin-1 or Latin Extended-A (C3-C5 lead, U+00C0-U+017F; Romanian ș ț)
    //   with an ASCII letter before it, or a lower-case one after it when CP932 would read two
    //   katakana ("café", "Müller", "Größe"), or a capital starting a word in lower case
    //   ("Éric", "Česko");
    // - a common Latin-1 sign ("°", "£", "«", "½") with an ASCII letter or digit beside it
    //   ("25°C", "£5");
    // - three Greek or Cyrillic letters in a row ("Ελλάδα"; katakana words alternate rarely so
    //   long between ﾎﾏ or ﾐﾑﾒﾓﾔ and the second half of the syllabary).
    // Half-width katakana words mostly stand apart from Latin letters; one written against a
    // Latin word so that the pair reads as such a letter or sign ("Windowsﾂｵ", "µ") is taken
    // for UTF-8.
    bool pair(QByteArrayView bytes, qsizetype at)
    {
        const uchar lead = uchar(bytes[at]), second = uchar(bytes[at + 1]);
        // The byte before (0 at the start), unless CP932 would read it as the trail of a
        // double-byte code ("ﾈ。ﾃｽ" is C8 81 42 C3 BD: no "B" stands before the ﾃｽ); such a
        // byte counts as neither an ASCII character nor a word's start.
        const uchar before = at == 0 ? 0 : (at - 1 == cp932_trail_ ? 0xff : uchar(bytes[at - 1]));
        const uchar after = at + 2 < bytes.size() ? uchar(bytes[at + 2]) : 0;
        const bool kana_pair = second >= 0xa1;
        if (!kana_pair)
            cp932_trail_ = at + 2;
        const int script = lead >= 0xce && lead <= 0xcf ? 1 : (lead >= 0xd0 && lead <= 0xd4 ? 2 : 0);
        run_ = script != 0 && script == run_script_ && at == run_end_ ? run_ + 1 : 1;
        run_script_ = script;
        run_end_ = at + 2;
        if (script != 0)
            return run_ >= 3;
        if (lead == 0xc2)
            return kana_pair && QByteArrayView("\xa1\xa3\xa5\xa7\xa9\xab\xae\xb0\xb1\xb2\xb3\xb5\xbb\xbc\xbd\xbe\xbf")
                                    .contains(char(second)) &&
                   (is_ascii_letter(before) || is_ascii_letter(after) || is_ascii_digit(before) || is_ascii_digit(after));
        const bool latin = (lead >= 0xc3 && lead <= 0xc5 && !(lead == 0xc3 && (second == 0x97 || second == 0xb7))) ||
                           (lead == 0xc8 && second >= 0x98 && second <= 0x9b);
        if (!latin)
            return false;
        if (is_ascii_letter(before) || (kana_pair && is_ascii_lower(after)))
            return true;
        const bool capital = (lead == 0xc3 && second <= 0x9e) || lead == 0xc4 || lead == 0xc5;
        return capital && !kana_pair && before < 0x80 && !is_ascii_digit(before) && is_ascii_lower(after);
    }

private:
    int run_ = 0;        // Greek or Cyrillic letters in a row so far
    int run_script_ = 0; // 1 Greek, 2 Cyrillic
    qsizetype run_end_ = -1;
    qsizetype cp932_trail_ = -1; // where CP932 would read the last trail byte after a pair
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no sequence cut
// off at the end. `shows_utf8` tells whether some sequence shows the bytes to be UTF-8 text
// rather than CP932: one of three or four bytes (CP932 Japanese text almost never forms
// them), a pair whose second byte is 80 or A0 (after a half-width katakana byte, CP932 has
// no character for those), or pairs that stand as European text does.
bool is_utf8(QByteArrayView bytes, bool* shows_utf8)
{
    *shows_utf8 = false;
    EuropeanPairs european;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int len;
        uchar lo = 0x80, hi = 0xbf; // allowed range of the second byte
        if (b >= 0xc2 && b <= 0xdf) {
            len = 2;
        } else if (b >= 0xe0 && b <= 0xef) {
            len = 3;
            if (b == 0xe0)
                lo = 0xa0;
            else if (b == 0xed)
                hi = 0x9f;
        } else if (b >= 0xf0 && b <= 0xf4) {
            len = 4;
            if (b == 0xf0)
                lo = 0x90;
            else if (b == 0xf4)
                hi = 0x8f;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        if (uchar(bytes[i + 1]) < lo || uchar(bytes[i + 1]) > hi)
            return false;
        for (int k = 2; k < len; ++k)
            if ((uchar(bytes[i + k]) & 0xc0) != 0x80)
                return false;
        if (!*shows_utf8)
            *shows_utf8 = len > 2 || uchar(bytes[i + 1]) == 0x80 || uchar(bytes[i + 1]) == 0xa0 ||
                          european.pair(bytes, i);
        i += len;
    }
    return true;
}

} // namespace

TextEncoding TextFileRules::detect_encoding(const QByteArray& bytes)
{
    if (bytes.startsWith(kBom))
        return TextEncoding::Utf8Bom;
    // A stored diary keeps its encoding: CP932 unless the bytes are UTF-8 and either some of
    // them show it (see is_utf8) or CP932 cannot read them without a replacement character
    // ("5×3" is 35 C3 97 33: ﾃ, then 97 33, a lead byte with a trail byte it cannot have).
    bool shows_utf8 = false;
    if (!is_utf8(bytes, &shows_utf8))
        return TextEncoding::Cp932;
    if (shows_utf8 || platform::decode_cp932(bytes).contains(QChar(QChar::ReplacementCharacter)))
        return TextEncoding::Utf8;
    return TextEncoding::Cp932;
}

QString TextFileRules::encoding_name(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf8Bom:
        return QStringLiteral("UTF-8 (BOM付き)");
    case TextEncoding::Cp932:
        break;
    }
    return QStringLiteral("Shift_JIS (CP932)");
}

QString TextFileRules::decode_file(const QByteArray& bytes, TextEncoding encoding)
{
    QString all;
    switch (encoding) {
    case TextEncoding::Cp932:
        all = platform::decode_cp932(bytes);
        break;
    case TextEncoding::Utf8Bom:
        all = QString::fromUtf8(bytes.startsWith(kBom) ? QByteArrayView(bytes).sliced(kBom.size()) : bytes);
        break;
    case TextEncoding::Utf8:
        all = QString::fromUtf8(bytes);
        break;
    }
    QString out;
    out.reserve(all.size() + all.size() / 16 + 2);
    qsizetype start = 0;
    const qsizetype n = all.size();
    while (start < n) {
        qsizetype cr = all.indexOf(QLatin1Char('\r'), start);
        if (cr < 0) {
            out += QStringView(all).mid(start);
            out += QLatin1String("\r\n");
            break;
        }
        out += QStringView(all).mid(start, cr - start);
        out += QLatin1String("\r\n");
        start = cr + 1;
        if (start < n && all[start] == QLatin1Char('\n'))
            ++start;
    }
    return out;
}

QByteArray TextFileRules::encode_file(const QString& text, TextEncoding encoding, QString* lost)
{
    QByteArray out;
    switch (encoding) {
    case TextEncoding::Cp932:
        out = platform::encode_cp932(text, lost);
        break;
    case TextEncoding::Utf8Bom:
        out = kBom + text.toUtf8();
        break;
    case TextEncoding::Utf8:
        out = text.toUtf8();
        break;
    }
    if (lost && encoding != TextEncoding::Cp932)
        lost->clear();
    out += "\r\n";
    return out;
}

QString TextFileRules::existence_test(const QString& path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    if (info.isDir()) {
        if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\')))
            return QString();
        const QStringList files = QDir(path).entryList(QDir::Files, QDir::Name);
        return files.isEmpty() ? QString() : files.constFirst();
    }
    return info.exists() ? info.fileName() : QString();
}
