#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// Reads a whole file only when it is a regular file. A FIFO, a device, a socket
// or a folder gives false at once, without waiting for a writer and without
// reading endless data. `error`, when given, receives a readable reason.
bool read_regular_file(const QString& path, QByteArray* bytes, QString* error = nullptr);

} // namespace platform
