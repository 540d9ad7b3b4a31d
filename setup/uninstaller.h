#pragma once

#include <QString>

namespace cinemoto {

// Where an installation put its pieces.
struct InstalledCinemoto
{
    QString programFolder;
    QString menuEntry;     // the desktop entry file
    QString sharedRecords; // the machine's shared records folder, empty for a user's own install
};

// The folders an installation of this user (or of the administrator) uses, as setup chose
// them, for the program installed in programFolder.
InstalledCinemoto installedFrom(const QString &programFolder, bool forEveryUser);

// Removes the program and its menu entry. The exam records stay unless deleteRecords:
// in the program folder only the record file and its lock are left, so that installing
// again finds them. Returns false with the file and the system's reason in `error`.
bool uninstall(const InstalledCinemoto &installed, bool deleteRecords, QString *error = nullptr);

} // namespace cinemoto
