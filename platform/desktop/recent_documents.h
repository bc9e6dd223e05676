#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// The desktop's list of recently used files ($XDG_DATA_HOME/recently-used.xbel).
class RecentDocuments {
public:
    enum class Outcome {
        Cleared,   // replaced by an empty list
        NoList,    // nothing there, nothing to do
        LeftAlone, // a link or anything but a regular file: the user's arrangement, untouched
        Failed,    // could not be replaced; the old list stays
    };

    // The list with no entries, as the desktop writes it.
    static QByteArray empty_xbel();
    // Where the list lives for this user.
    static QString default_path();
    // Replaces the list in one step with an empty one, readable by the user only. Only a
    // regular file is replaced: never through a link (a list linked to /dev/null is a common
    // way to switch it off), never a FIFO, device or folder.
    static Outcome clear(const QString& path = default_path());
};

} // namespace platform
