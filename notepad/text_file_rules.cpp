#include "text_file_rules.h"
#include "platform/text_codec.h"
#include <QDir>
#include <QFileInfo>

namespace {

const QByteArray kBom("\xef\xbb\xbf");

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no
// sequence cut off at the end. `only_utf8` tells whether some sequence cannot be
// read as CP932 text just as well: one of three or four bytes, or a pair whose
// second byte is 0x80 or 0xA0 (after a half-width katakana byte, CP932 has no
// character for those). A pair of half-width katakana (C2-DF, A1-BF) is both.
bool is_utf8(QByteArrayView bytes, bool* only_utf8)
{
    *only_utf8 = false;
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
        if (len > 2 || uchar(bytes[i + 1]) == 0x80 || uchar(bytes[i + 1]) == 0xa0)
            *only_utf8 = true;
        i += len;
    }
    return true;
}

} // namespace

TextEncoding TextFileRules::detect_encoding(const QByteArray& bytes)
{
    if (bytes.startsWith(kBom))
        return TextEncoding::Utf8Bom;
    // A stored diary keeps its encoding: CP932 unless only UTF-8 explains the bytes,
    // or CP932 cannot read them without a replacement character ("5×3" is 35 C3 97 33:
    // ﾃ, then 97 33, a lead byte with a trail byte it cannot have).
    bool only_utf8 = false;
    if (!is_utf8(bytes, &only_utf8))
        return TextEncoding::Cp932;
    if (only_utf8 || platform::decode_cp932(bytes).contains(QChar(QChar::ReplacementCharacter)))
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
