#include "score_texts.h"

namespace score_texts {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString figures(const ScoreEntry& e)
{
    return e.name + QLatin1Char(' ') + QString::number(e.score) + QString::fromUtf8("点 ") + QString::number(e.hits)
        + QStringLiteral("hit ") + QString::number(e.misses) + QString::fromUtf8("回のミス ")
        + QString::number(e.hit_rate) + QLatin1Char('%');
}

} // namespace

QString result_message(int hits)
{
    return QString::fromUtf8("貴方は") + QString::number(hits) + QString::fromUtf8("匹のミポをに★を与えました。");
}

QString name_prompt(int place)
{
    return QString::number(place + 1) + QString::fromUtf8("位でした｡") + QLatin1Char('\r')
        + QString::fromUtf8("名前を入力して下さい｡") + QLatin1Char('\r') + QString::fromUtf8("6文字以内");
}

QString player_line(const ScoreTable& table, int place)
{
    return QString::fromUtf8("貴方は") + QString::number(place + 1) + QString::fromUtf8("位 ") + figures(table.at(place));
}

QString table_text(const ScoreTable& table, int place)
{
    QString text;
    if (place >= 0 && place <= 9)
        text = player_line(table, place) + kLineEnd + kLineEnd;
    for (int i = 0; i < 10; ++i)
        text += QString::number(i + 1) + QLatin1Char(' ') + figures(table[i]) + kLineEnd;
    return text;
}

} // namespace score_texts
