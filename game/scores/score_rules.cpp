#include "score_rules.h"
#include "platform/text/text_codec.h"

namespace score_rules {

int rank(const ScoreTable& table)
{
    const ScoreEntry& candidate = table[10];
    int place = kNoPlace;
    if (candidate.score < table[9].score)
        return place;
    for (int i = 9; i >= 0; --i) {
        const ScoreEntry& entry = table[i];
        if ((candidate.score == entry.score && candidate.misses < entry.misses) || candidate.score > entry.score)
            place = i;
        else
            break;
    }
    return place;
}

void enter_candidate(ScoreTable& table, int place, const QString& name)
{
    if (place < 0 || place > 9)
        return;
    for (int i = 8; i >= place; --i)
        table[i + 1] = table[i];
    table[place] = table[10];
    table[place].name = name;
}

QString date_name(const QDate& date)
{
    const QString text = QString::number(date.year() % 100) + QString::number(date.month()) + QString::number(date.day());
    return text.leftJustified(kNameChars, QLatin1Char(' '), true);
}

QString stored_name(const QString& typed, const QDate& today)
{
    QString name;
    int chars = 0;
    for (const char32_t c : typed.toUcs4()) {
        if (chars == kNameChars)
            break;
        const QString one = (c < 0x20 || c == 0x7F) ? QStringLiteral(" ") : QString::fromUcs4(&c, 1);
        // What the file will hold: the character through the code page and back.
        name += platform::decode_cp932(platform::encode_cp932(one));
        ++chars;
    }
    name = name.leftJustified(kNameChars, QLatin1Char(' '));
    // Only ASCII blanks count as no name: a full-width space is a name.
    if (name == QString(kNameChars, QLatin1Char(' ')))
        return date_name(today);
    return name;
}

} // namespace score_rules
