#pragma once

#include "logbook/Logbook.h"

#include <QDateTime>

namespace vimo {

struct DownloadedSet;
struct ModuleIdentity;
struct Plot;

// Archives a set that just arrived from the module, as data set k of the plot it was added to (so the file is the
// one "Save" -> "Active Data Set" would write at that moment), with the facts of its download. Called right after
// the set was added, before anything else happens to it. A set that ended early or was cancelled is archived with
// what arrived and flagged incomplete.
ArchiveOutcome archiveDownloadedSet(Logbook& logbook, const Plot& plot, int k, const DownloadedSet& set,
                                    const ModuleIdentity& identity, const QDateTime& downloaded);

// The memo line (or message) that tells a set was not archived.
QString notArchivedText(const DownloadedSet& set, const Logbook& logbook, const QString& reason);

} // namespace vimo
