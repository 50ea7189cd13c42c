#include "logbook/DownloadArchive.h"

#include "module/Download.h"

#include <QDir>

namespace vimo {

ArchiveOutcome archiveDownloadedSet(Logbook& logbook, const Plot& plot, int k, const DownloadedSet& set,
                                    const ModuleIdentity& identity, const QDateTime& downloaded)
{
    const DownloadFacts facts{downloaded,     set.number + 1,           identity.deviceName,
                              identity.model, identity.softwareVersion, set.endedEarly || set.cancelled,
                              QString()};
    return logbook.archive(plot, k, facts);
}

QString notArchivedText(const DownloadedSet& set, const Logbook& logbook, const QString& reason)
{
    return QStringLiteral("Set %1 was NOT archived in %2: %3")
        .arg(set.number + 1)
        .arg(QDir::toNativeSeparators(logbook.root()), reason);
}

} // namespace vimo
