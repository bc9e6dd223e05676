#pragma once
#include <QCursor>
#include <QString>
#include <cstdint>

// The weapon cursors: the raised weapon (button up) and the striking one (pressed
// during a game), one pair per weapon 0..2.
class WeaponCursors {
public:
    static constexpr int kWeapons = 3;

    static QString raised_file(int weapon);
    static QString striking_file(int weapon);

    // Loads the pair of `buki_no` from `bmp_dir`. Another number leaves both as
    // they were. On failure returns the full path of the file that would not load
    // and keeps the old pair.
    QString soubi_select(uint8_t buki_no, const QString& bmp_dir);

    const QCursor& raised() const { return raised_; }
    const QCursor& striking() const { return striking_; }

private:
    QCursor raised_{Qt::ArrowCursor};
    QCursor striking_{Qt::ArrowCursor};
};
