#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// The Windows Japanese code page (CP932, Shift-JIS with the Windows extensions),
// in which every text file of the suite is kept. Bytes 0x00-0x7F are ASCII.
// Bytes that do not decode become U+FFFD, each where it stands.
QString decode_cp932(const QByteArray& bytes);

// Characters that Linux input methods give where Windows text has another code
// point (〜 − ‖ ¢ £ ¬ —) are written as their Windows codes. A character with no
// CP932 form becomes "?"; when `lost` is given it receives each such character.
QByteArray encode_cp932(const QString& text, QString* lost = nullptr);

} // namespace platform
