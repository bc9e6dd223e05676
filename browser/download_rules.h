#pragma once
#include <QString>
#include <cstdint>
#include <optional>

// Where a file that a page sends may go. A page names the file; the user picks
// the place; the program folder is never a place for it (the game starts its
// programs from there by name).
namespace download_rules {

// The folder the save dialog proposes: the user's Downloads folder when it is
// there, else the home folder.
QString proposed_folder(const QString& downloads, const QString& home);

// The page's suggested name as a bare file name: no folders, never "." or ".."
// or empty (then "download").
QString safe_file_name(const QString& suggested);

// Whether `path` is `folder` or lies anywhere below it, symbolic links of both
// followed as far as they exist.
bool lies_in(const QString& path, const QString& folder);

// A download counts as the user's when a click or key in the window came no
// more than this long before it.
constexpr uint32_t kUserActionMs = 5000;
bool started_by_user(std::optional<uint32_t> last_input_ms, uint32_t now_ms);

// The name a download is written under until it is complete, beside its target.
QString part_name(const QString& file_name);

} // namespace download_rules
