#include "score_keeper.h"
#include "game/data/data_files.h"

void ScoreKeeper::reload()
{
    data_files::reread_scores(paths_, table_);
}

bool ScoreKeeper::save(QString* error)
{
    return data_files::write_scores(paths_, table_, error);
}
