#pragma once

#include <QString>
#include <optional>

namespace vimo {

// The settings key (group "Settings") of an archive folder chosen by the user.
inline constexpr char kArchiveFolderKey[] = "ArchiveFolder";
// The environment variable that names another archive folder.
inline constexpr char kArchiveEnvironment[] = "VIMO_ARCHIVE";

// The folder of the archive of downloaded flights. The first that is given wins: `chosen` (a command line's
// --archive), the VIMO_ARCHIVE environment variable, the "ArchiveFolder" setting, and else the application data
// folder's "flights".
QString archiveFolder(const QString& chosen = QString());

// Why the archive cannot be kept in `root`, or nothing when it can: a name that is there but is no folder (a file,
// a device). The text says where the archive should be and why it cannot be used there.
std::optional<QString> archiveFolderProblem(const QString& root);

} // namespace vimo
