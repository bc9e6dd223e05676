#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// How the notepad turns file bytes into its text and back.
// The text is kept with CR LF line ends, as the edit control holds it.
class TextFileRules {
public:
    // Files above this many bytes are not opened through the Open dialog.
    static constexpr int64_t kOpenLimit = 32000;

    // CP932 bytes to text: a line ends at CR or CR LF (a lone LF stays in the
    // line) and every line, the last one too, gets CR LF.
    static QString decode_file(const QByteArray& bytes);

    // Text to the bytes written: CP932, then one more CR LF.
    static QByteArray encode_file(const QString& text);

    static bool fits_open_limit(int64_t size) { return size <= kOpenLimit; }

    // The classic existence test: the first name a listing of `path` gives.
    // A file gives its own name; a path ending in a separator that names a
    // folder gives the first file in it; anything else gives "".
    static QString existence_test(const QString& path);
};
