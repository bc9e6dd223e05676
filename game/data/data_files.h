#pragma once
#include "game_data.h"
#include "game_paths.h"
#include <QStringList>

// Reading and writing the game's four data files in the program folder.
namespace data_files {

struct ReadResult {
    // A file the game cannot run without ("hitc.csv", "missc.csv"): its full path.
    QString missing_file;
    // "score.ini" or "config.csv" that is there but cannot be read, each with the
    // reason. Such a file is left as it is; the game goes on with defaults in memory.
    QStringList read_failures;
    // Files that had to be created or completed but could not be written, each
    // with the reason; the game goes on with the values in memory.
    QStringList write_failures;

    bool ok() const { return missing_file.isEmpty(); }
};

// Where "config.csv" and "score.ini" are read and written: the data folder.
QString config_path(const GamePaths& paths);
QString score_path(const GamePaths& paths);

// Fills `data` from "score.ini", "hitc.csv", "missc.csv" and "config.csv".
// A missing or short "score.ini" or "config.csv" is read as defaults where it
// says nothing and written back whole, so it is complete from then on. Of those
// two only the bytes their format holds are read, however long the file is.
// Comment entries the files do not fill keep their previous values.
ReadResult read_files(const GamePaths& paths, GameData& data);

// The complete table as "score.ini" holds it, or empty when it holds none that can be read.
QByteArray stored_scores(const GamePaths& paths);

// Replaces "config.csv" with the four settings. False with a reason on failure,
// and also when a "config.csv" is there that cannot be read: that one is kept.
bool write_config(const GamePaths& paths, const GameSettings& settings, QString* error);

// Replaces "score.ini" with entries 0..9; an unreadable one is kept, as above.
bool write_scores(const GamePaths& paths, const ScoreTable& table, QString* error);

} // namespace data_files
