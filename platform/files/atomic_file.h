#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// Replaces `path` with `bytes` in one step: the data goes to a temporary file in
// the same folder, is flushed to disk, then renamed over the old file. A crash or a
// full disk leaves either the old file or the new one, never half of one.
// On failure returns false and, when `error` is given, a readable reason.
bool write_file_atomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Reads a whole file; false (with a reason) when it is missing or unreadable.
bool read_whole_file(const QString& path, QByteArray* bytes, QString* error = nullptr);

} // namespace platform
