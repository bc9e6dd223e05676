#pragma once
#include <QByteArray>
#include <QString>

class QFile;

namespace platform {

// Opens `file` (its name set) for reading only when the path leads to a regular file,
// following links. A FIFO, a device, a socket or a folder gives false at once, without
// waiting for a writer. `error`, when given, receives a readable reason.
bool open_regular_file(QFile& file, QString* error = nullptr);

// The same for the file `name` in the open folder `dir_fd`, never following a link
// (a link gives false): for code that walks folders by their descriptors.
bool open_regular_file_at(int dir_fd, const QByteArray& name, QFile& file, QString* error = nullptr);

// Reads a whole file only when it is a regular file (never endless data, never a wait).
bool read_regular_file(const QString& path, QByteArray* bytes, QString* error = nullptr);

// As read_regular_file, but a file of more than `max_bytes` is not read at all (the
// buffer is `max_bytes` large: meant for bounds of a few megabytes).
enum class BoundedRead { Read, Unreadable, TooLarge };
BoundedRead read_regular_file(const QString& path, qint64 max_bytes, QByteArray* bytes, QString* error = nullptr);

// The same bound for a file opened by open_regular_file or open_regular_file_at.
BoundedRead read_bounded(QFile& file, qint64 max_bytes, QByteArray* bytes, QString* error = nullptr);

} // namespace platform
