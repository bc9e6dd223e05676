#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// The desktop's list of recently used files ($XDG_DATA_HOME/recently-used.xbel).
class RecentDocuments {
public:
    // The list with no entries, as the desktop writes it.
    static QByteArray empty_xbel();
    // Where the list lives for this user.
    static QString default_path();
    // Replaces the list in one step with an empty one, readable by the user only.
    // No list, nothing to do (true). False when it could not be replaced.
    static bool clear(const QString& path = default_path());
};

} // namespace platform
