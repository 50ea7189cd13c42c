#pragma once

#include <QDir>
#include <QString>
#include <functional>
#include <optional>

namespace vimo {

// "<stem>" for n = 1, else "<stem>-<n>": the names a file takes when the ones before it are in use.
QString numberedName(const QString& stem, int n);

// Claims the first free name "<stem>[-n]<suffix>" in `folder` by creating a file for it exclusively (O_EXCL), so
// that two programs saving at the same moment never pick the same name and no file is ever written over. The file
// created is the candidate itself, or the one `claimFor` names beside it (then the candidate must not exist
// either). Returns the candidate's path, its claim now an empty file of the caller's, or nothing with the reason.
std::optional<QString> claimFreeName(const QDir& folder, const QString& stem, const QString& suffix,
                                     const std::function<QString(const QString&)>& claimFor, QString* reason);

} // namespace vimo
