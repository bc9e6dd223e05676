#include "data_files.h"
#include "config_file.h"
#include "game/scores/score_file.h"
#include "platform/atomic_file.h"
#include <QFile>

namespace data_files {
namespace {

QByteArray read_or_empty(const QString& path)
{
    QByteArray bytes;
    platform::read_whole_file(path, &bytes);
    return bytes;
}

void note_failure(ReadResult& result, const QString& path, const QString& reason)
{
    result.write_failures << path + QStringLiteral(" (") + reason + QLatin1Char(')');
}

template <std::size_t N>
bool read_comments(const QString& path, std::array<QString, N>& into)
{
    QByteArray bytes;
    if (!platform::read_whole_file(path, &bytes))
        return false;
    const QStringList items = comment_file::parse(bytes, static_cast<int>(N));
    for (int i = 0; i < items.size(); ++i)
        into[i] = items[i];
    return true;
}

} // namespace

ReadResult read_files(const GamePaths& paths, GameData& data)
{
    ReadResult result;
    QString error;

    const QString score_path = paths.app_dir + QStringLiteral("score.ini");
    const QByteArray score_bytes = read_or_empty(score_path);
    score_file::parse(score_bytes, data.score_table);
    if (!score_file::is_complete(score_bytes) && !write_scores(paths, data.score_table, &error))
        note_failure(result, score_path, error);

    const QString hit_path = paths.app_dir + QStringLiteral("hitc.csv");
    const QString miss_path = paths.app_dir + QStringLiteral("missc.csv");
    if (!read_comments(hit_path, data.hit_comments))
        result.missing_file = hit_path;
    else if (!read_comments(miss_path, data.miss_comments))
        result.missing_file = miss_path;

    const QString config_path = paths.app_dir + QStringLiteral("config.csv");
    const QByteArray config_bytes = read_or_empty(config_path);
    data.settings = config_file::parse(config_bytes);
    if (!config_file::is_complete(config_bytes) && !write_config(paths, data.settings, &error))
        note_failure(result, config_path, error);

    return result;
}

bool write_config(const GamePaths& paths, const GameSettings& settings, QString* error)
{
    return platform::write_file_atomically(paths.app_dir + QStringLiteral("config.csv"),
                                           config_file::serialize(settings), error);
}

bool write_scores(const GamePaths& paths, const ScoreTable& table, QString* error)
{
    return platform::write_file_atomically(paths.app_dir + QStringLiteral("score.ini"),
                                           score_file::serialize(table), error);
}

} // namespace data_files
