#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The clock's time and date texts in the locale's short formats. The time text
// always ends in two-digit seconds: the clock reads its seconds from there.
class TimeText {
public:
    explicit TimeText(const QLocale& locale = QLocale());

    QString time(const QTime& t) const;
    QString date(const QDate& d) const;

    // The locale's short time format with seconds added at the end; an AM/PM
    // marker moves to the front and a time-zone name is dropped.
    static QString time_format(const QString& short_format);

private:
    QLocale locale_;
    QString time_format_;
};
