#pragma once
#include "game/data/score_entry.h"
#include "game/data/game_paths.h"
#include <QByteArray>
#include <QString>

// The top-ten table as this copy of the game keeps it: in memory, and in the score
// file, which another copy (the other build shares the folder) may rewrite.
class ScoreKeeper {
public:
    ScoreKeeper(GamePaths paths, ScoreTable& table) : paths_(std::move(paths)), table_(table) {}

    // Takes the file's table when the file holds a complete one, so that entries
    // another copy wrote since are not lost; otherwise the table stays as it is.
    void reload();
    // The same, but only when the file is no longer what this copy last read or
    // wrote: a table kept in memory after a failed save stays until the file changes.
    void reload_if_changed();
    // Replaces the file with entries 0..9. False, with the reason, when that
    // fails (a file that cannot be read is never written over); the table in
    // memory is kept either way.
    bool save(QString* error);

    QString path() const;

private:
    void take(const QByteArray& stored);

    GamePaths paths_;
    ScoreTable& table_;
    QByteArray known_; // the file as this copy last read or wrote it, empty before
};
