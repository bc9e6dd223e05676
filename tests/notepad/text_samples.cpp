#include "text_samples.h"
#include "text_file_rules.h"
#include "platform/text/text_codec.h"
#include <QString>
#include <random>

namespace {

using Random = std::mt19937;

int pick(Random& random, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }

// Every two-byte CP932 code that reads as a character and is written back the same.
const std::vector<QByteArray>& cp932_pairs()
{
    static const std::vector<QByteArray> pairs = [] {
        std::vector<QByteArray> found;
        for (int lead = 0x81; lead <= 0xfc; ++lead) {
            if (lead > 0x9f && lead < 0xe0)
                continue;
            for (int trail = 0x40; trail <= 0xfc; ++trail) {
                if (trail == 0x7f)
                    continue;
                const QByteArray pair{char(lead), char(trail)};
                const QString text = platform::decode_cp932(pair);
                if (!text.contains(QChar(0xfffd)) && platform::encode_cp932(text) == pair)
                    found.push_back(pair);
            }
        }
        return found;
    }();
    return pairs;
}

// Characters that text handling tends to get wrong, besides the ranges below.
constexpr char32_t kAwkward[] = {0x0,    0x9,    0xb,    0xc,    0x1a,   0x1c,   0x7f,    0x85,   0xa0,
                                 0xd7,   0xe9,   0xc4,   0xfeff, 0xfffd, 0x2028, 0x2029,  0xfdd0, 0xfdd1,
                                 0x301c, 0xff5e, 0x2212, 0x200b, 0x202e, 0xff61, 0x1f600, 0x10ffff};

char32_t some_code_point(Random& random)
{
    switch (pick(random, 0, 5)) {
    case 0:
        return char32_t(kAwkward[pick(random, 0, int(std::size(kAwkward)) - 1)]);
    case 1:
        return char32_t(pick(random, 0x80, 0x7ff)); // two bytes in UTF-8
    case 2:
        return char32_t(pick(random, 0x80, 0x17f)); // Latin letters, ×, ÷
    case 3: {
        const int c = pick(random, 0x800, 0xfffd);
        return char32_t(c >= 0xd800 && c <= 0xdfff ? 0x3042 : c);
    }
    case 4:
        return char32_t(pick(random, 0x10000, 0x10ffff));
    default:
        return char32_t(pick(random, 0x20, 0x7e));
    }
}

QByteArray utf8_of(char32_t c) { return QString::fromUcs4(&c, 1).toUtf8(); }

// One piece of a file: ASCII, a line end, a character in UTF-8, a CP932 character or
// half-width katakana byte, or any byte at all.
QByteArray piece(Random& random)
{
    switch (pick(random, 0, 9)) {
    case 0:
        return QByteArray(1, char(pick(random, 0x20, 0x7e)));
    case 1: {
        static const char* const ends[] = {"\r", "\n", "\r\n"};
        return ends[pick(random, 0, 2)];
    }
    case 2:
    case 3:
    case 4:
        return utf8_of(some_code_point(random));
    case 5:
    case 6:
        return cp932_pairs()[size_t(pick(random, 0, int(cp932_pairs().size()) - 1))];
    case 7:
        return QByteArray(1, char(pick(random, 0xa1, 0xdf)));
    default:
        return QByteArray(1, char(pick(random, 0x80, 0xff)));
    }
}

// A text a user may have written: Japanese, Latin letters, signs, line ends.
QString some_text(Random& random)
{
    QString text;
    const int n = pick(random, 1, 16);
    for (int i = 0; i < n; ++i) {
        switch (pick(random, 0, 4)) {
        case 0:
            text += platform::decode_cp932(cp932_pairs()[size_t(pick(random, 0, int(cp932_pairs().size()) - 1))]);
            break;
        case 1:
            text += QChar(pick(random, 0xff61, 0xff9f)); // half-width katakana
            break;
        case 2:
            text += QChar(pick(random, 0xa1, 0x17f));
            break;
        case 3:
            text += QStringLiteral("\r\n");
            break;
        default:
            text += QChar(pick(random, 0x20, 0x7e));
            break;
        }
    }
    return text;
}

// Words of European languages with the letters a UTF-8 file of today holds, and plain ones.
const char* const kEuropeanWords[] = {
    "café",   "Müller",  "naïve",  "señor",  "Größe",  "déjà",     "über",    "Straße", "façade", "smörgåsbord",
    "piñata", "crème",   "brûlée", "Zürich", "Ångström", "São",    "Ærø",     "fiancée", "jalapeño", "Björk",
    "Dvořák", "Łódź",    "niño",   "año",    "mañana", "Köln",     "Gödel",   "Þór",     "Ελλάδα",  "Москва",
    "père",   "forêt",   "Noël",   "coöperate", "résumé", "Ça va", "zoë",     "Bäckerei", "à",      "25°C",
    "£5",     "«oui»",   "the",    "und",    "le",     "el",       "with",    "ist",     "2026",   "OK"};

// A sentence or a list of such words, as someone outside Japan writes a note.
QString european_text(Random& random)
{
    static const char* const gaps[] = {" ", " ", " ", ", ", ". ", "\r\n", "\n", " - ", "!\r\n"};
    constexpr int kAccented = int(std::size(kEuropeanWords)) - 8; // the plain words come last
    const int n = pick(random, 1, 12), accented = pick(random, 1, n);
    QString text;
    for (int i = 1; i <= n; ++i) {
        text += QString::fromUtf8(kEuropeanWords[pick(random, 0, i == accented ? kAccented - 1 : int(std::size(kEuropeanWords)) - 1)]);
        if (i < n || pick(random, 0, 1) == 0)
            text += QString::fromUtf8(gaps[pick(random, 0, int(std::size(gaps)) - 1)]);
    }
    return text;
}

// A word in half-width katakana (ｦ to ﾝ), now and then voiced (ﾞ, ﾟ) or long (ｰ).
QByteArray katakana_word(Random& random)
{
    QByteArray word;
    for (int n = pick(random, 1, 6); n > 0; --n) {
        word += char(pick(random, 0xa6, 0xdd));
        if (pick(random, 0, 5) == 0)
            word += char(pick(random, 0, 2) == 0 ? 0xb0 : pick(random, 0xde, 0xdf));
    }
    return word;
}

// A diary as the classic program kept it, in CP932: half-width katakana words among ASCII
// words, figures, punctuation and line ends, and (when `full_width`) kana and kanji too. Now
// and then a katakana word is written against a Latin word ("CDﾌﾟﾚｰﾔｰ").
QByteArray cp932_diary(Random& random, bool full_width)
{
    static const char* const ascii[] = {"OK", "CD", "PC", "TV", "no", "memo", "Windows", "3", "10", "2000", "!", "?", "(", ")"};
    static const char* const gaps[] = {" ", " ", "\r\n", "\xa1", "\xa4", "\x81\x42", "\x81\x41", "", "-"};
    QByteArray diary;
    for (int n = pick(random, 1, 10); n > 0; --n) {
        switch (pick(random, 0, full_width ? 3 : 2)) {
        case 0:
        case 1:
            diary += katakana_word(random);
            break;
        case 2:
            diary += ascii[pick(random, 0, int(std::size(ascii)) - 1)];
            break;
        default:
            for (int k = pick(random, 1, 4); k > 0; --k)
                diary += cp932_pairs()[size_t(pick(random, 0, int(cp932_pairs().size()) - 1))];
            break;
        }
        diary += gaps[pick(random, 0, int(std::size(gaps)) - 1)];
    }
    return diary;
}

} // namespace

std::vector<QByteArray> european_files(uint32_t seed, int count)
{
    Random random(seed);
    std::vector<QByteArray> files;
    for (int i = 0; i < count; ++i)
        files.push_back(european_text(random).toUtf8());
    return files;
}

std::vector<QByteArray> cp932_diaries(uint32_t seed, int count, bool full_width)
{
    Random random(seed);
    std::vector<QByteArray> files;
    for (int i = 0; i < count; ++i)
        files.push_back(cp932_diary(random, full_width));
    return files;
}

std::vector<QByteArray> sample_files(uint32_t seed, int count)
{
    Random random(seed);
    const QByteArray bom("\xef\xbb\xbf");
    std::vector<QByteArray> files;
    files.reserve(size_t(count));
    while (int(files.size()) < count) {
        QByteArray file;
        switch (pick(random, 0, 4)) {
        case 4: // European words in UTF-8
            file = european_text(random).toUtf8();
            break;
        case 0: // any bytes, mostly high ones
            for (int n = pick(random, 0, 8); n > 0; --n)
                file += char(pick(random, 0, 3) == 0 ? pick(random, 0x0a, 0x7f) : pick(random, 0x80, 0xff));
            break;
        case 1: // pieces of both encodings strung together
            for (int n = pick(random, 1, 6); n > 0; --n)
                file += piece(random);
            break;
        default: { // a whole text in one encoding
            const QString text = some_text(random);
            if (pick(random, 0, 1) == 0)
                file = platform::encode_cp932(text);
            else
                file = (pick(random, 0, 3) == 0 ? bom : QByteArray()) + text.toUtf8();
            break;
        }
        }
        if (pick(random, 0, 9) == 0 && !file.startsWith(bom))
            file.prepend(bom);
        files.push_back(file);
    }
    return files;
}

QByteArray saved_unchanged(const QByteArray& file)
{
    // A byte order mark is no part of the text (CP932 has no character for its bytes).
    const QByteArray bom("\xef\xbb\xbf");
    const qsizetype start = file.startsWith(bom) ? bom.size() : 0;
    QByteArray lines;
    for (qsizetype i = start; i < file.size(); ++i) {
        lines += file[i];
        if (file[i] == '\r' && (i + 1 == file.size() || file[i + 1] != '\n'))
            lines += '\n';
    }
    if (!lines.isEmpty() && !lines.endsWith("\r\n"))
        lines += "\r\n";
    return file.left(start) + lines + "\r\n";
}

Keepers encodings_keeping(const QByteArray& file)
{
    const QByteArray expected = saved_unchanged(file);
    const auto keeps = [&](TextEncoding e) {
        return TextFileRules::encode_file(TextFileRules::decode_file(file, e), e) == expected;
    };
    return {keeps(file.startsWith("\xef\xbb\xbf") ? TextEncoding::Utf8Bom : TextEncoding::Utf8),
            keeps(TextEncoding::Cp932)};
}
