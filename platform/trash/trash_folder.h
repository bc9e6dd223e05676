#pragma once
#include <QString>
#include <atomic>
#include <cstdint>

namespace platform::trash_folder {

struct Figures {
    bool ok = true;
    uint64_t size_bytes = 0;
    uint64_t item_count = 0;
};

// One trash folder (with files/, info/ and perhaps directorysizes).
// Count: the entries of files/. Size: lstat sizes of files and links; a folder counts the
// size in directorysizes while its recorded time equals its .trashinfo's mtime, else the sum
// of what it holds, without following links (a directorysizes of more than a few megabytes
// is no cache: it is not read). `stop` ends the walk early. Not ok when a part
// could not be read (the figures would leave it out). Folders are walked with a bounded
// number of descriptors, however deep.
Figures measure(const QString& trash_dir, const std::atomic<bool>& stop);

// Removes files/X and info/X.trashinfo for every item, info files without an item, and
// directorysizes. Never follows a symlink. False when anything could not be removed; an item
// that stays keeps its info file.
bool empty(const QString& trash_dir, const std::atomic<bool>& stop);

} // namespace platform::trash_folder
