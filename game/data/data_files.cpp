#include "data_files.h"
#include "config_file.h"
#include "game/data/comment_file.h"
#include "game/data/score_file.h"
#include "platform/files/atomic_file.h"
#include "platform/files/regular_file.h"
#include <QFile>
#include <filesystem>

namespace data_files {
namespace {

// What is found at the place of a data file.
enum class Found { Nothing, Readable, Unreadable };

// Opens `file` for reading when it is a regular file. A folder, a pipe, a device
// or a link to nowhere counts as unreadable and is never waited on (a pipe would
// block the start).
Found open_data_file(QFile& file, QString* reason)
{
    std::error_code error;
    const std::filesystem::path path(QFile::encodeName(file.fileName()).toStdString());
    if (std::filesystem::symlink_status(path, error).type() == std::filesystem::file_type::not_found)
        return Found::Nothing;
    return platform::open_regular_file(file, reason) ? Found::Readable : Found::Unreadable;
}

// Reads at most `max_bytes` of a data file into `bytes` (empty when there is none).
Found read_data_file(const QString& path, qint64 max_bytes, QByteArray* bytes, QString* reason)
{
    bytes->clear();
    QFile file(path);
    const Found found = open_data_file(file, reason);
    if (found != Found::Readable)
        return found;
    *bytes = file.read(max_bytes);
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        bytes->clear();
        return Found::Unreadable;
    }
    return Found::Readable;
}

// Writes a data file anew, unless what is there cannot be read: that is kept.
bool replace_data_file(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile file(path);
    QString reason;
    if (open_data_file(file, &reason) == Found::Unreadable) {
        if (error)
            *error = QStringLiteral("kept, it cannot be read: ") + reason;
        return false;
    }
    file.close();
    return platform::write_file_atomically(path, bytes, error);
}

QString with_reason(const QString& path, const QString& reason)
{
    return path + QStringLiteral(" (") + reason + QLatin1Char(')');
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

// Reads "score.ini" or "config.csv" with `parse`; a missing or short one is
// completed on disk with `write`, an unreadable one is only reported.
template <typename Parse, typename Write>
void read_binary_file(const QString& path, qint64 complete_size, Parse parse, Write write, ReadResult& result)
{
    QByteArray bytes;
    QString reason;
    const Found found = read_data_file(path, complete_size, &bytes, &reason);
    parse(bytes);
    if (found == Found::Unreadable) {
        result.read_failures << with_reason(path, reason);
        return;
    }
    if (bytes.size() < complete_size && !write(&reason))
        result.write_failures << with_reason(path, reason);
}

} // namespace

QString config_path(const GamePaths& paths)
{
    return paths.data_dir + QStringLiteral("config.csv");
}

QString score_path(const GamePaths& paths)
{
    return paths.data_dir + QStringLiteral("score.ini");
}

ReadResult read_files(const GamePaths& paths, GameData& data)
{
    ReadResult result;

    read_binary_file(
        score_path(paths), score_file::kCompleteSize,
        [&](const QByteArray& bytes) { score_file::parse(bytes, data.score_table); },
        [&](QString* error) { return write_scores(paths, data.score_table, error); }, result);

    const QString hit_path = paths.app_dir + QStringLiteral("hitc.csv");
    const QString miss_path = paths.app_dir + QStringLiteral("missc.csv");
    if (!read_comments(hit_path, data.hit_comments))
        result.missing_file = hit_path;
    else if (!read_comments(miss_path, data.miss_comments))
        result.missing_file = miss_path;

    read_binary_file(
        config_path(paths), config_file::kCompleteSize,
        [&](const QByteArray& bytes) { data.settings = config_file::parse(bytes); },
        [&](QString* error) { return write_config(paths, data.settings, error); }, result);

    return result;
}

QByteArray stored_scores(const GamePaths& paths)
{
    QByteArray bytes;
    QString reason;
    if (read_data_file(score_path(paths), score_file::kCompleteSize, &bytes, &reason) != Found::Readable
        || !score_file::is_complete(bytes))
        return {};
    return bytes;
}

bool write_config(const GamePaths& paths, const GameSettings& settings, QString* error)
{
    return replace_data_file(config_path(paths), config_file::serialize(settings), error);
}

bool write_scores(const GamePaths& paths, const ScoreTable& table, QString* error)
{
    return replace_data_file(score_path(paths), score_file::serialize(table), error);
}

} // namespace data_files
