#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// The encodings a diary is kept in: the classic CP932, and UTF-8 for files that
// already are UTF-8 (with or without the byte order mark, which is kept).
enum class TextEncoding { Cp932, Utf8, Utf8Bom };

// How the notepad turns file bytes into its text and back.
// The text is kept with CR LF line ends, as the edit control holds it.
class TextFileRules {
public:
    // Files above this many bytes are not opened through the Open dialog.
    static constexpr int64_t kOpenLimit = 32000;

    // UTF-8 when the bytes start with a UTF-8 byte order mark, or are valid UTF-8
    // that shows itself as such: a sequence of three or four bytes, a pair whose
    // second byte is 80-A0, or a Latin letter or sign beside an ASCII letter (or a
    // sign beside a digit) — "café", "25°C". CP932 otherwise: Japanese text in CP932
    // is almost never valid UTF-8, and half-width katakana that is ("ﾃｽ" is C3 BD,
    // "OK ﾊｲ") stands apart from Latin letters.
    static TextEncoding detect_encoding(const QByteArray& bytes);
    static QString encoding_name(TextEncoding encoding);

    // File bytes to text: a line ends at CR or CR LF (a lone LF stays in the
    // line) and every line, the last one too, gets CR LF. A byte order mark is
    // not part of the text.
    static QString decode_file(const QByteArray& bytes, TextEncoding encoding = TextEncoding::Cp932);

    // Text to the bytes written, then one more CR LF. In CP932 a character that
    // has no code there becomes "?"; `lost` (when given) receives each of them.
    static QByteArray encode_file(const QString& text, TextEncoding encoding = TextEncoding::Cp932,
                                  QString* lost = nullptr);

    static bool fits_open_limit(int64_t size) { return size <= kOpenLimit; }

    // The classic existence test: the first name a listing of `path` gives.
    // A file gives its own name; a path ending in a separator that names a
    // folder gives the first file in it; anything else gives "".
    static QString existence_test(const QString& path);
};
