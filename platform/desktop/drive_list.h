#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// The places a folder chooser offers as "drives": the root, the home folder and
// the mounted volumes.
class DriveList {
public:
    virtual ~DriveList() = default;
    virtual QStringList drives() const = 0;
};

// "/", the home folder, then every mounted volume backed by a device (USB sticks,
// other disks), in the order the system lists them.
class MountedDriveList final : public DriveList {
public:
    QStringList drives() const override;
};

// The sub-folders of `path` (links to folders count; hidden ones are left out),
// sorted by name. nullopt, with the system's own description of the error, when
// the folder cannot be read.
std::optional<QStringList> read_subfolders(const QString& path, QString* error = nullptr);

} // namespace platform
