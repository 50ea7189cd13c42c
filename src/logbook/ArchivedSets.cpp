#include "logbook/ArchivedSets.h"

#include "module/ModuleSession.h"

#include <set>

namespace vimo {
namespace {

QString setsText(int n)
{
    return n == 1 ? QStringLiteral("1 data set") : QStringLiteral("%1 data sets").arg(n);
}

const char* verb(int n)
{
    return n == 1 ? "is" : "are";
}

} // namespace

ArchivedSets safelyArchivedSets(const std::vector<ArchivedRecording>& flights, const ModuleIdentity& identity,
                                std::optional<int> setCount, const QSet<QString>& archivedWhileConnected)
{
    ArchivedSets result;
    if (!setCount)
        return result;
    result.counted = true;
    result.total = std::max(*setCount, 0);
    std::set<int> safe;
    for (const ArchivedRecording& f : flights) {
        if (f.incomplete || f.set < 1 || f.set > result.total || !archivedWhileConnected.contains(f.path))
            continue;
        if (f.deviceName == identity.deviceName && f.model == identity.model
            && f.softwareVersion == identity.softwareVersion)
            safe.insert(f.set);
    }
    result.archived = int(safe.size());
    return result;
}

QString archivedSetsText(const ArchivedSets& sets)
{
    if (!sets.counted)
        return QStringLiteral("The data sets in the device have not been counted since it was connected, so none is "
                              "known to be archived (\"Download Info\" counts them).");
    if (sets.total == 0)
        return QStringLiteral("\"Download Info\" found no data sets in the device.");
    const QString safely = QStringLiteral("downloaded whole into the archive while the device was connected");
    if (sets.archived == sets.total)
        return sets.total == 1
                   ? QStringLiteral("The 1 data set in the device is safely archived (%1).").arg(safely)
                   : QStringLiteral("All %1 in the device are safely archived (%2).").arg(setsText(sets.total), safely);
    const int missing = sets.total - sets.archived;
    return QStringLiteral("%1 of the %2 in the device %3 NOT archived: download %4 first to keep %4.\n"
                          "%5 of %6 %7 safely archived (%8).")
        .arg(missing)
        .arg(setsText(sets.total))
        .arg(QLatin1String(verb(missing)))
        .arg(missing == 1 ? QStringLiteral("it") : QStringLiteral("them"))
        .arg(sets.archived)
        .arg(sets.total)
        .arg(QLatin1String(verb(sets.archived)))
        .arg(safely);
}

} // namespace vimo
