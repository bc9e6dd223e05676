#pragma once
#include <QByteArray>
#include <cstdint>
#include <vector>

// UTF-8 files of European words written as notes are ("café", "Müller", "25°C"), made
// from a seed (the same seed gives the same files).
std::vector<QByteArray> european_files(uint32_t seed, int count);

// Diaries in CP932: half-width katakana words among Latin ones, figures and punctuation, and
// with `full_width` kana and kanji too.
std::vector<QByteArray> cp932_diaries(uint32_t seed, int count, bool full_width);

// Files a diary may be: random bytes, pieces of both encodings' texts strung together,
// whole texts written in UTF-8 (with and without the byte order mark) and in CP932, and
// European words in UTF-8.
std::vector<QByteArray> sample_files(uint32_t seed, int count);

// What saving the unchanged text of `file` must write: the file with its line ends as
// the notepad keeps them (a lone CR becomes CR LF, the last line gets its CR LF), then
// the one CR LF every save adds. CR and LF are never part of a longer sequence in
// either encoding, so this holds byte by byte.
QByteArray saved_unchanged(const QByteArray& file);

// Which of the two encodings read `file` so that saving the unchanged text writes
// saved_unchanged(file): UTF-8 (with the mark when the file has one), CP932.
struct Keepers {
    bool utf8 = false;
    bool cp932 = false;
};
Keepers encodings_keeping(const QByteArray& file);
