#pragma once
#include <QString>
#include <QStringList>

namespace platform {

// The folder under $XDG_DATA_HOME where the suite keeps a user's files when the
// program folder cannot take them (an installed suite).
inline const QString kSuiteDataName = QStringLiteral("mipo-suite");

// A file that, present in the program folder, keeps the users' files in their own folders even
// when the program folder could take them (the Debian package: /usr is no place for them, not
// even when root plays).
inline const QString kPerUserDataMark = QStringLiteral("keep-data-per-user");

// True when a new file can be made in `folder` (tried for real, not guessed from
// permission bits: an immutable or read-only-mounted folder says no even to root).
bool folder_is_writable(const QString& folder);

// Where a program keeps the files it writes, with a trailing "/": its own folder
// while that can be written and is not marked, exactly as always; otherwise the per-user folder,
// made when missing, where each of `shipped_files` the program folder holds is
// copied once as the user's starting point.
QString data_folder(const QString& program_folder, const QStringList& shipped_files);

// The per-user folder itself, with a trailing "/" (not made).
QString user_data_folder();

} // namespace platform
