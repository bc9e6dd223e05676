#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// The Windows Japanese code page (CP932, Shift-JIS with the Windows extensions),
// in which every text file of the suite is kept. Bytes that do not decode become
// U+FFFD; characters that cannot be encoded become "?".
QString decode_cp932(const QByteArray& bytes);
QByteArray encode_cp932(const QString& text);

} // namespace platform
