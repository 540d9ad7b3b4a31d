#pragma once

#include <QString>

namespace cinemoto {

// The machine's shared records folder, made by a system-wide installation and writable
// by every local user, so that a classroom machine lists all its exams together.
inline constexpr const char *kSharedRecordsFolder = "/var/lib/cinemoto";

// Where the exam records live, chosen once at start: the program folder when the user
// may create files in it (a per-user install or a copied folder), else the shared folder
// when it is there and writable, else the user's own data folder (made when missing).
QString chooseRecordsFolder(const QString &programFolder, const QString &sharedFolder, const QString &userFolder);

// The user's own data folder for the trainer: $XDG_DATA_HOME/cinemoto, by default
// ~/.local/share/cinemoto.
QString userRecordsFolder();

// True when the user may create and rename files in the folder.
bool mayCreateFilesIn(const QString &folder);

} // namespace cinemoto
