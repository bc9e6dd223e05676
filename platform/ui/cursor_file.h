#pragma once
#include <QCursor>
#include <QString>
#include <optional>

namespace platform {

// A Windows .cur file as a mouse cursor, with the hot spot stored in the file,
// brought into the picture when the file puts it outside. nullopt when the file is
// missing or not a cursor.
std::optional<QCursor> load_cursor_file(const QString& path);

// The hot spot recorded in the first entry of a .cur file's directory.
std::optional<QPoint> cursor_hot_spot(const QByteArray& cur_bytes);

} // namespace platform
