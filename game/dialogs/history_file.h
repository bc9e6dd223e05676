#pragma once
#include <QString>

// The update history "更新履歴mpkx.txt": a CP932 text read line by line, each
// line shown followed by CR LF (the last one too, with or without its break).
namespace history_file {

inline const QString kFileName = QString::fromUtf8("更新履歴mpkx.txt");
inline const QString kReadError = QString::fromUtf8("ファイルの読み出しエラーです｡");
// A history larger than this is not read (ours is a few kilobytes). The bound keeps the
// window quick even for one long line, which the text box lays out in time growing with
// the square of its length (64 KiB: a third of a second; 256 KiB: five seconds).
constexpr qint64 kMaxBytes = 64 * 1024;
// Our own: shown in place of a history that is too large.
inline const QString kTooLarge = QString::fromUtf8("更新履歴が大きすぎます｡64KBまで表示できます｡");

enum class Outcome { Read, Unreadable, TooLarge };
struct Text {
    Outcome outcome;
    QString text; // the text to show when read
};
// Reads a regular file of at most kMaxBytes; a FIFO, a device or a folder is unreadable.
Text read(const QString& path);

// Lines ended by CR LF, LF or CR, each given back with CR LF.
QString with_crlf_lines(const QString& text);

} // namespace history_file
