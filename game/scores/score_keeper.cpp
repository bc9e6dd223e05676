#include "score_keeper.h"
#include "score_file.h"
#include "platform/atomic_file.h"
#include <QFile>
#include <QFileInfo>

void ScoreKeeper::reload()
{
    // Only a regular file, and no more of it than the table takes.
    if (!QFileInfo(path_).isFile())
        return;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(score_file::kCompleteSize);
    if (score_file::is_complete(bytes))
        score_file::parse(bytes, table_);
}

bool ScoreKeeper::save(QString* error)
{
    return platform::write_file_atomically(path_, score_file::serialize(table_), error);
}
