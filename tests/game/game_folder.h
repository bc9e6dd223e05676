#pragma once
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

// A program folder of our own, copied from the built one, so tests can change it:
// the pictures, the sounds and the two comment files.
inline bool copy_program_data(const QString& to)
{
    const QString from = qEnvironmentVariable("SUITE_DIR");
    if (from.isEmpty())
        return false;
    QDir().mkpath(to + "/bmp");
    QDir().mkpath(to + "/wav");
    for (const QString& sub : {QString("bmp"), QString("wav")}) {
        QDirIterator it(from + "/" + sub, QDir::Files);
        while (it.hasNext()) {
            it.next();
            QFile::copy(it.filePath(), to + "/" + sub + "/" + it.fileName());
        }
    }
    return QFile::copy(from + "/hitc.csv", to + "/hitc.csv") && QFile::copy(from + "/missc.csv", to + "/missc.csv");
}

// The same with the built program beside its data, to be run from there.
inline bool copy_program_folder(const QString& to, const QString& program)
{
    return copy_program_data(to) && QFile::copy(qEnvironmentVariable("SUITE_DIR") + "/" + program, to + "/" + program);
}
