#pragma once
#include <QString>
#include <optional>

// The update history "更新履歴mpkx.txt": a CP932 text read line by line, each
// line shown followed by CR LF (the last one too, with or without its break).
namespace history_file {

inline const QString kFileName = QString::fromUtf8("更新履歴mpkx.txt");
inline const QString kReadError = QString::fromUtf8("ファイルの読み出しエラーです｡");

// The text to show; nullopt when the file cannot be read.
std::optional<QString> read(const QString& path);

// Lines ended by CR LF, LF or CR, each given back with CR LF.
QString with_crlf_lines(const QString& text);

} // namespace history_file
