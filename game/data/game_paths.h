#pragma once
#include <QString>

// Where the game finds its files: every file is one of these folders followed by
// a bare file name.
struct GamePaths {
    QString app_dir; // the program folder, with a trailing "/"
    QString bmp_dir; // app_dir + "bmp/"
    QString wav_dir; // app_dir + "wav/"
    QString data_dir; // where "score.ini" and "config.csv" live: app_dir, or the user's own folder

    static GamePaths in_folder(QString folder)
    {
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        return {folder, folder + QStringLiteral("bmp/"), folder + QStringLiteral("wav/"), folder};
    }
};
