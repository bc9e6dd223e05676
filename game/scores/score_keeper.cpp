#include "score_keeper.h"
#include "game/data/data_files.h"
#include "game/data/score_file.h"

void ScoreKeeper::reload()
{
    take(data_files::stored_scores(paths_));
}

void ScoreKeeper::reload_if_changed()
{
    const QByteArray stored = data_files::stored_scores(paths_);
    if (stored != known_)
        take(stored);
}

void ScoreKeeper::take(const QByteArray& stored)
{
    if (stored.isEmpty())
        return;
    score_file::parse(stored, table_);
    known_ = stored;
}

bool ScoreKeeper::save(QString* error)
{
    if (!data_files::write_scores(paths_, table_, error))
        return false;
    known_ = score_file::serialize(table_);
    return true;
}

QString ScoreKeeper::path() const
{
    return data_files::score_path(paths_);
}
