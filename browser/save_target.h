#pragma once
#include <QString>
#include <optional>

namespace platform {
class FileDialogs;
class Prompt;
}

// Asks where a file goes, for Save and for the files pages send: the save
// dialog again after a target in the program folder (said why) or an existing
// file the user keeps (いいえ, the default, keeps it). nullopt when cancelled.
class SaveTarget {
public:
    SaveTarget(platform::Prompt& prompt, platform::FileDialogs& dialogs, QString program_folder)
        : prompt_(prompt), dialogs_(dialogs), program_folder_(std::move(program_folder))
    {
    }

    std::optional<QString> choose(const QString& title, const QString& filter, const QString& initial_path);

    // Whether the file at `path` may be written at all: never in the program folder.
    bool allowed(const QString& path) const;

private:
    platform::Prompt& prompt_;
    platform::FileDialogs& dialogs_;
    const QString program_folder_;
};
