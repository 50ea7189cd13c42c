#include "logbook/Logbook.h"

#include "data/DataFile.h"
#include "data/Plot.h"
#include "data/SafeSave.h"
#include "logbook/ArchiveFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vimo {
namespace {

constexpr int kMaxNameTries = 100000;

QString numbered(const QString& stem, int n)
{
    return n == 1 ? stem : QStringLiteral("%1-%2").arg(stem).arg(n);
}

// Claims a free name "<stem>[-n].csv" in `folder` by creating its facts file exclusively: two programs archiving
// at the same moment never pick the same name. Returns the path of the data set file, or nothing (with the reason).
std::optional<QString> claimName(const QDir& folder, const QString& stem, QString* reason)
{
    for (int n = 1; n <= kMaxNameTries; ++n) {
        const QString csv = folder.filePath(numbered(stem, n) + QLatin1String(".csv"));
        if (QFileInfo::exists(csv))
            continue;
        QFile facts(downloadfacts::pathFor(csv));
        if (facts.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (!QFileInfo::exists(csv))
                return csv;
            facts.remove();
            continue;
        }
        if (!facts.exists()) {
            *reason = facts.errorString();
            return std::nullopt;
        }
    }
    *reason = QStringLiteral("no free file name");
    return std::nullopt;
}

// A free name "<stem>[-n].csv" in `folder` for a file moved there (neither it nor its facts file exists).
QString freeName(const QDir& folder, const QString& stem)
{
    for (int n = 1;; ++n) {
        const QString csv = folder.filePath(numbered(stem, n) + QLatin1String(".csv"));
        if (n == kMaxNameTries || (!QFileInfo::exists(csv) && !QFileInfo::exists(downloadfacts::pathFor(csv))))
            return csv;
    }
}

// Moves a data set file and its facts file (when there is one). The data set file is never put over another.
bool moveFlight(const QString& from, const QString& to, QString* reason)
{
    if (!QDir().mkpath(QFileInfo(to).absolutePath())) {
        *reason = QStringLiteral("cannot make the folder %1").arg(QFileInfo(to).absolutePath());
        return false;
    }
    QFile file(from);
    if (!file.rename(to)) {
        *reason = file.errorString();
        return false;
    }
    const QString facts = downloadfacts::pathFor(from);
    if (QFileInfo::exists(facts))
        QFile::rename(facts, downloadfacts::pathFor(to)); // without its facts the file is still a flight
    return true;
}

QString stemOf(const QString& path)
{
    return QFileInfo(path).completeBaseName();
}

void setReason(QString* target, const QString& reason)
{
    if (target)
        *target = reason;
}

} // namespace

Logbook::Logbook(const QString& root) : m_root(QDir::cleanPath(root)), m_index(m_root)
{
    m_index.sync();
}

QString Logbook::absolutePath(const QString& relativePath) const
{
    return QDir(m_root).filePath(relativePath);
}

bool Logbook::indexFile(const QString& relativePath)
{
    const std::optional<archivefiles::FoundFile> file = archivefiles::stat(m_root, relativePath);
    const std::optional<FlightRecord> record = file ? archivefiles::readFlight(m_root, *file) : std::nullopt;
    return record && m_index.put(*record);
}

ArchiveOutcome Logbook::store(const QString& folder, const QString& stem, const QByteArray& bytes,
                              const DownloadFacts& facts)
{
    ArchiveOutcome outcome;
    const QDir dir(absolutePath(folder));
    if (!QDir().mkpath(dir.path())) {
        outcome.reason = QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(dir.path()));
        return outcome;
    }
    const std::optional<QString> path = claimName(dir, stem, &outcome.reason);
    if (!path)
        return outcome;
    const QString factsPath = downloadfacts::pathFor(*path);
    if (saveBytes(*path, bytes, &outcome.reason) != SaveStatus::Saved) {
        QFile::remove(factsPath);
        return outcome;
    }
    outcome.archived = true;
    outcome.path = *path;
    // The flight is safe once its data set file is written; facts that cannot be written are read from the file
    // and its name instead.
    saveBytes(factsPath, downloadfacts::toBytes(facts));
    indexFile(QDir(m_root).relativeFilePath(*path));
    return outcome;
}

ArchiveOutcome Logbook::archive(const Plot& plot, int k, const DownloadFacts& facts)
{
    if (!plot.signals.isValidIndex(k))
        return {false, QString(), noDataSetMessage()};
    const QDate date = facts.downloaded.toLocalTime().date();
    const QString name = datafile::suggestedDataSetFileName(date, std::max(facts.set, 1) - 1);
    return store(date.toString(QStringLiteral("yyyy-MM-dd")), stemOf(name), datafile::dataSetFileBytes(plot, k),
                 facts);
}

ImportOutcome Logbook::importFolder(const QString& folder)
{
    ImportOutcome outcome;
    const QString target =
        QStringLiteral("imported/") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    const QDir source(folder);
    const QFileInfoList files = source.entryInfoList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            outcome.failed << QStringLiteral("%1: %2").arg(info.absoluteFilePath(), file.errorString());
            continue;
        }
        const QByteArray bytes = file.readAll();
        DownloadFacts facts;
        facts.downloaded = info.lastModified().toUTC();
        facts.set = setNumberOfFileName(info.fileName());
        const ArchiveOutcome stored = store(target, info.completeBaseName(), bytes, facts);
        if (stored.archived)
            outcome.imported << stored.path;
        else
            outcome.failed << QStringLiteral("%1: %2").arg(info.absoluteFilePath(), stored.reason);
    }
    return outcome;
}

bool Logbook::rename(const QString& relativePath, const QString& name, QString* reason)
{
    const QString path = absolutePath(relativePath);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setReason(reason, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    Plot plot;
    const int sets = datafile::readDataFile(bytes, plot);
    plot.signals.rename(0, name);
    // A plot file put into the archive by hand keeps all its data sets; only the first is renamed.
    const bool plotFile = bytes.startsWith("Vimo Plot") || bytes.startsWith("\xEF\xBB\xBFVimo Plot") || sets > 1;
    QString why;
    const SaveStatus saved = plotFile ? datafile::savePlotFile(path, plot, &why)
                                      : datafile::saveDataSetFile(path, plot, 0, &why);
    if (saved != SaveStatus::Saved) {
        setReason(reason, why);
        return false;
    }
    if (!indexFile(relativePath)) {
        setReason(reason, m_index.lastError());
        return false;
    }
    return true;
}

std::optional<QString> Logbook::moveToDeleted(const QString& relativePath, QString* reason)
{
    const QString relativeFolder = QFileInfo(relativePath).path();
    const QDir folder(absolutePath(QLatin1String(archivefiles::kDeletedFolder) + QLatin1Char('/') + relativeFolder));
    const QString to = freeName(folder, stemOf(relativePath));
    QString why;
    if (!moveFlight(absolutePath(relativePath), to, &why)) {
        setReason(reason, why);
        return std::nullopt;
    }
    m_index.remove(relativePath);
    return QDir(m_root).relativeFilePath(to);
}

std::optional<QString> Logbook::restore(const QString& deletedPath, const QString& originalPath, QString* reason)
{
    const QDir folder(QFileInfo(absolutePath(originalPath)).absolutePath());
    const QString to = freeName(folder, stemOf(originalPath));
    QString why;
    if (!moveFlight(absolutePath(deletedPath), to, &why)) {
        setReason(reason, why);
        return std::nullopt;
    }
    const QString relative = QDir(m_root).relativeFilePath(to);
    indexFile(relative);
    return relative;
}

} // namespace vimo
