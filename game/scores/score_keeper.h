#pragma once
#include "score_entry.h"
#include <QString>

// The top-ten table as this copy of the game keeps it: in memory, and in the score
// file, which another copy (the other build shares the folder) may rewrite.
class ScoreKeeper {
public:
    ScoreKeeper(QString path, ScoreTable& table) : path_(std::move(path)), table_(table) {}

    // Takes the file's table when the file holds a complete one, so that entries
    // another copy wrote since are not lost; otherwise the table stays as it is.
    void reload();
    // Replaces the file with entries 0..9. False, with the reason, when that
    // fails; the table in memory is kept either way.
    bool save(QString* error);

    const QString& path() const { return path_; }

private:
    QString path_;
    ScoreTable& table_;
};
