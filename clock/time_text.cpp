#include "time_text.h"

namespace {

// Splits a Qt date-time format into its pieces: runs of one pattern letter,
// quoted literals and single other characters.
QStringList tokens_of(const QString& format)
{
    QStringList out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        qsizetype j = i + 1;
        if (c == QLatin1Char('\'')) {
            while (j < format.size() && format.at(j) != QLatin1Char('\''))
                ++j;
            j = std::min(j + 1, format.size());
        } else if ((c == QLatin1Char('A') || c == QLatin1Char('a')) && j < format.size()
                   && (format.at(j) == QLatin1Char('P') || format.at(j) == QLatin1Char('p'))) {
            ++j; // "AP" / "ap": one AM/PM marker
        } else if (c.isLetter()) {
            while (j < format.size() && format.at(j) == c)
                ++j;
        }
        out.append(format.mid(i, j - i));
        i = j;
    }
    return out;
}

bool is_hour(const QString& t) { return t.startsWith(QLatin1Char('h')) || t.startsWith(QLatin1Char('H')); }
bool is_minute(const QString& t) { return t.startsWith(QLatin1Char('m')); }
bool is_ampm(const QString& t)
{
    return t.compare(QLatin1String("ap"), Qt::CaseInsensitive) == 0
        || t.compare(QLatin1String("a"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString TimeText::time_format(const QString& short_format)
{
    const QStringList tokens = tokens_of(short_format);
    QString ampm;
    qsizetype hour = -1, minute = -1;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (is_ampm(tokens[i]) && ampm.isEmpty())
            ampm = tokens[i];
        else if (is_hour(tokens[i]) && hour < 0)
            hour = i;
        else if (is_minute(tokens[i]) && minute < 0)
            minute = i;
    }
    if (hour < 0 || minute < 0 || minute < hour)
        return ampm.isEmpty() ? QStringLiteral("HH:mm:ss") : ampm + QStringLiteral(" h:mm:ss");

    // The separator between hours and minutes, reused before the seconds when it is plain.
    QString separator;
    for (qsizetype i = hour + 1; i < minute; ++i)
        separator += tokens[i];
    bool plain = !separator.isEmpty();
    for (const QChar c : separator)
        plain = plain && !c.isLetter() && c != QLatin1Char('\'') && !c.isSpace();
    if (!plain)
        separator = QStringLiteral(":");

    QString out;
    if (!ampm.isEmpty())
        out = ampm + QLatin1Char(' ');
    out += tokens[hour] + separator + QStringLiteral("mm") + separator + QStringLiteral("ss");
    return out;
}

TimeText::TimeText(const QLocale& locale)
    : locale_(locale), time_format_(time_format(locale.timeFormat(QLocale::ShortFormat)))
{
}

QString TimeText::time(const QTime& t) const
{
    return locale_.toString(t, time_format_);
}

QString TimeText::date(const QDate& d) const
{
    return locale_.toString(d, QLocale::ShortFormat);
}
