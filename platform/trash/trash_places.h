#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace platform::trash_places {

// $XDG_DATA_HOME/Trash (or ~/.local/share/Trash).
QString home_trash();

// Mount points from the text of /proc/self/mountinfo, leaving out network and automounted
// volumes (a look at them could hang or mount them) and the kernel's own file systems.
QStringList volume_tops(const QByteArray& mountinfo);

// The trash folders that may be used: the home trash, and for every volume top
// top/.Trash/uid (only when top/.Trash is a real folder with the sticky bit) and top/.Trash-uid.
// Each must be a real folder (no symlink) owned by `uid`; a folder reached twice is listed once.
QStringList usable(const QString& home_trash, const QStringList& tops, uid_t uid);

// All of the above for the running user.
QStringList of_this_user();

} // namespace platform::trash_places
