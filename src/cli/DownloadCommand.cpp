#include "cli/Cli.h"
#include "cli/ModuleCommandLine.h"
#include "cli/ModuleCommands.h"
#include "cli/StopSignals.h"
#include "data/DataFile.h"
#include "data/FreeName.h"
#include "data/Plot.h"
#include "link/OpenError.h"
#include "logbook/ArchiveFolder.h"
#include "logbook/DownloadArchive.h"
#include "module/Download.h"
#include "module/DownloadInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <memory>

namespace vimo::cli {
namespace {

// Saves data set k into the folder under the next free name "Alt_<date>_<n>[-m].csv": a file that is there already
// (an earlier download, another module's, another program's writing at the same moment) is never written over.
bool saveIntoFolder(const QDir& dir, const Plot& plot, int k, int setNumber, const QDate& today, QTextStream& out,
                    QTextStream& err)
{
    const QString stem = QFileInfo(datafile::suggestedDataSetFileName(today, setNumber)).completeBaseName();
    QString reason;
    const std::optional<QString> path = claimFreeName(dir, stem, QStringLiteral(".csv"), {}, &reason);
    if (path && datafile::saveDataSetFile(*path, plot, k, &reason) == SaveStatus::Saved) {
        out << "Saved " << *path << '\n';
        return true;
    }
    if (path)
        QFile::remove(*path); // the empty file that claimed the name
    err << "vimo-cli download: cannot save set " << setNumber + 1 << " in " << dir.path() << ": " << reason << '\n';
    return false;
}

// The archive of flights in `folder` (or the default one); an index that cannot be used is said, and the flights
// are still archived as files.
std::unique_ptr<Logbook> openArchive(const QString& folder, QTextStream& err)
{
    auto logbook = std::make_unique<Logbook>(archiveFolder(folder));
    if (logbook->index().inMemory())
        err << "vimo-cli download: the index in " << QDir::toNativeSeparators(logbook->root()) << " cannot be used ("
            << logbook->index().lastError() << "); the flights are archived as files and indexed at the next start\n";
    return logbook;
}

// Archives data set k as it arrived and says how that went; a failure is told but never stops the download.
void archiveAndSay(Logbook& logbook, const Plot& plot, int k, const DownloadedSet& downloaded,
                   const ModuleIdentity& identity, const QDateTime& downloadTime, QTextStream& out, QTextStream& err)
{
    const ArchiveOutcome archived = archiveDownloadedSet(logbook, plot, k, downloaded, identity, downloadTime);
    if (archived.archived)
        out << "Archived " << QDir::toNativeSeparators(archived.path) << '\n';
    else if (archived.alreadyArchived)
        out << archived.reason << '\n';
    else
        err << "vimo-cli download: " << notArchivedText(downloaded, logbook, archived.reason) << '\n';
}

} // namespace

int downloadCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing)
{
    ModuleCommandLine line("download",
                           "Usage: vimo-cli download --port DEV [--baud N] --set N|all --out DIR\n"
                           "                         [--archive DIR | --no-archive]\n"
                           "Downloads data set N (counted from 1) or all of them, as \"Download Data\" does, and\n"
                           "saves each set that arrives as DIR/Alt_<yyyy-mm-dd>_<n>.csv; a file already there is\n"
                           "kept, and the set takes the next free name (_<n>-2.csv, ...). The memo lines go to\n"
                           "stdout. Each set is first kept in the archive of flights (--archive names its folder,\n"
                           "--no-archive leaves it out for this run). Ctrl+C, SIGTERM or SIGHUP stop the download\n"
                           "as Cancel Download does: the samples received are archived and saved first.\n");
    const QCommandLineOption set(QStringLiteral("set"), QStringLiteral("The data set."), QStringLiteral("N|all"));
    const QCommandLineOption outDir(QStringLiteral("out"), QStringLiteral("The folder."), QStringLiteral("DIR"));
    const QCommandLineOption archiveDir(QStringLiteral("archive"), QStringLiteral("The archive folder."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption noArchive(QStringLiteral("no-archive"), QStringLiteral("Do not archive."));
    line.parser.addOption(set);
    line.parser.addOption(outDir);
    line.parser.addOption(archiveDir);
    line.parser.addOption(noArchive);
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    if (line.parser.isSet(archiveDir) && line.parser.isSet(noArchive))
        return line.usageError(err, QStringLiteral("--archive and --no-archive exclude each other"));
    if (!line.parser.isSet(set) || !line.parser.isSet(outDir))
        return line.usageError(err, QStringLiteral("--set and --out are needed"));
    const bool all = line.parser.value(set).compare(QLatin1String("all"), Qt::CaseInsensitive) == 0;
    bool ok = all;
    const int number = all ? 0 : line.parser.value(set).toInt(&ok);
    if (!ok || (!all && (number < 1 || number > 256)))
        return line.usageError(err, QStringLiteral("--set takes a data set number from 1 to 256, or all"));
    const QDir dir(line.parser.value(outDir));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        err << "vimo-cli download: cannot make the folder " << dir.path() << '\n';
        return kFailed;
    }

    // From here on Ctrl+C, SIGTERM and SIGHUP stop the download the way Cancel Download does.
    const StopSignals stopSignals;
    ModuleConnection module(out, err, timing);
    if (!module.open(line, true) || !downloadInfo(module.session, false))
        return StopSignals::caught() ? StopSignals::exitCode(StopSignals::caught()) : kFailed;
    const int setCount = module.session.state.setCount;
    if (!all && number > setCount) {
        err << "vimo-cli download: the module holds " << setCount << " data sets\n";
        return kFailed;
    }

    const std::unique_ptr<Logbook> logbook =
        line.parser.isSet(noArchive) ? nullptr : openArchive(line.parser.value(archiveDir), err);

    Plot plot;
    // The window starts with a data set of its own (Data000), so that its first download is Data001: the sets
    // downloaded here are named and coloured as the window names them after a fresh start, and the Logbook shows the
    // same names whichever program downloaded them.
    plot.signals.createDataSet();
    plot.signals.deleteDataSet(0);
    const QDate today = QDate::currentDate();
    const QDateTime downloadTime = QDateTime::currentDateTimeUtc();
    bool saved = true;
    int endedEarly = 0; // sets that ended early: saved as they came, but the download did not succeed
    const DownloadResult result = downloadDataSets(
        module.session, all ? setCount : number - 1,
        [&](DownloadedSet&& downloaded) {
            if (downloaded.endedEarly && !downloaded.cancelled) {
                err << "vimo-cli download: set " << downloaded.number + 1 << " ended early after "
                    << downloaded.received << " samples\n";
                ++endedEarly;
            }
            const int k = addDownloadedSet(plot, downloaded);
            if (logbook) // archived before anything else
                archiveAndSay(*logbook, plot, k, downloaded, module.session.state.identity, downloadTime, out, err);
            saved = saveIntoFolder(dir, plot, k, downloaded.number, today, out, err) && saved;
        },
        today);
    if (const int signal = StopSignals::caught()) {
        // Stopped like Cancel Download: what arrived is archived and saved above; the exit tells the signal.
        err << "vimo-cli download: stopped by signal " << signal << "; the samples received are kept\n";
        return StopSignals::exitCode(signal);
    }
    if (result.delivered < result.requested)
        err << "vimo-cli download: " << result.requested - result.delivered << " of " << result.requested
            << " data sets did not arrive\n";
    if (module.link.portLost())
        err << "vimo-cli download: " << portLostMessage(line.device) << '\n';
    return saved && endedEarly == 0 && result.delivered == result.requested ? module.exitCode() : kFailed;
}

} // namespace vimo::cli
