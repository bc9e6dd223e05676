#pragma once
// Texts shipped to the programs: UTF-8 here, CP932 with CR LF there.

#include <QByteArray>
#include <QString>

namespace assetgen {

// CP932 (Windows-31J) bytes of `text` with every line end as CR LF.
// Characters CP932 cannot hold become "?".
QByteArray to_cp932_crlf(const QString& text);

// Reads a UTF-8 file and writes it converted; throws std::runtime_error on failure.
void convert_text_file(const QString& utf8_path, const QString& cp932_path);

}  // namespace assetgen
