#include "logbook/Logbook.h"

#include "data/DataFile.h"
#include "data/FreeName.h"
#include "data/NativeName.h"
#include "data/Plot.h"
#include "data/SafeSave.h"
#include "data/UserFile.h"
#include "logbook/ArchiveFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vimo {
namespace {

constexpr int kMaxNameTries = 100000;

// Claims a free name "<stem>[-n].csv" in `folder` by creating its facts file exclusively: two programs archiving
// at the same moment never pick the same name. Returns the path of the data set file, or nothing (with the reason).
std::optional<QString> claimName(const QDir& folder, const QString& stem, QString* reason)
{
    return claimFreeName(folder, stem, QStringLiteral(".csv"), downloadfacts::pathFor, reason);
}

// A free name "<stem>[-n].csv" in `folder` for a file moved there (neither it nor its facts file exists).
QString freeName(const QDir& folder, const QString& stem)
{
    for (int n = 1;; ++n) {
        const QString csv = folder.filePath(numberedName(stem, n) + QLatin1String(".csv"));
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

std::optional<ArchivedRecording> Logbook::indexFile(const QString& relativePath)
{
    const std::optional<archivefiles::FoundFile> file = archivefiles::stat(m_root, relativePath);
    std::optional<ArchivedRecording> record = file ? archivefiles::readRecording(m_root, *file) : std::nullopt;
    if (!record || !m_index.put(*record))
        return std::nullopt;
    return record;
}

// The archived recording that holds the samples of the data set file `bytes`, downloaded from the same module as
// the same set and at least as whole. The digest is taken of the samples as the file carries them, as it is when
// the file is indexed. A candidate whose file changed or went since it was indexed is indexed again first: a file
// removed by hand must not keep a download out of the archive.
std::optional<ArchivedRecording> Logbook::sameSamples(const QByteArray& bytes, const DownloadFacts& facts)
{
    Plot written;
    if (datafile::readDataFile(bytes, written) < 1)
        return std::nullopt;
    const QString digest = sampleDigest(written.signals.at(0));
    for (const ArchivedRecording& r : m_index.recordingsWithDigest(digest)) {
        const bool sameSource = r.set == facts.set && r.deviceName == facts.deviceName && r.model == facts.model
                                && r.softwareVersion == facts.softwareVersion;
        if (!sameSource || (r.incomplete && !facts.incomplete))
            continue;
        const std::optional<archivefiles::FoundFile> file = archivefiles::stat(m_root, r.path);
        if (file && file->size == r.fileSize && file->modified == r.fileModified)
            return r;
        if (!file) {
            m_index.remove(r.path);
            continue;
        }
        const std::optional<ArchivedRecording> reread = indexFile(r.path);
        if (reread && reread->digest == digest)
            return reread;
    }
    return std::nullopt;
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
    // The flight is archived only when both files are whole: a failure of either takes both away again (the facts
    // file is the empty claim until its content is saved over it).
    const QString factsPath = downloadfacts::pathFor(*path);
    const bool saved = saveBytes(*path, bytes, &outcome.reason) == SaveStatus::Saved
                       && saveBytes(factsPath, downloadfacts::toBytes(facts), &outcome.reason) == SaveStatus::Saved;
    if (!saved) {
        QFile::remove(*path);
        QFile::remove(factsPath);
        return outcome;
    }
    outcome.archived = true;
    outcome.path = *path;
    indexFile(QDir(m_root).relativeFilePath(*path));
    return outcome;
}

ArchiveOutcome Logbook::archive(const Plot& plot, int k, const DownloadFacts& facts)
{
    ArchiveOutcome outcome;
    if (!plot.signals.isValidIndex(k)) {
        outcome.reason = noDataSetMessage();
        return outcome;
    }
    const QByteArray bytes = datafile::dataSetFileBytes(plot, k);
    if (const std::optional<ArchivedRecording> same = sameSamples(bytes, facts)) {
        outcome.alreadyArchived = true;
        outcome.path = absolutePath(same->path);
        outcome.reason = alreadyArchivedText(facts.set, same->downloaded);
        return outcome;
    }
    const QDate date = facts.downloaded.toLocalTime().date();
    const QString name = datafile::suggestedDataSetFileName(date, std::max(facts.set, 1) - 1);
    return store(date.toString(QStringLiteral("yyyy-MM-dd")), stemOf(name), bytes, facts);
}

bool Logbook::setAirframe(const QString& relativePath, const QString& airframe, QString* reason)
{
    const std::optional<archivefiles::FoundFile> file = archivefiles::stat(m_root, relativePath);
    if (!file) {
        setReason(reason, QStringLiteral("the file is not in the archive"));
        return false;
    }
    DownloadFacts facts = archivefiles::readFacts(m_root, *file);
    facts.airframe = airframeName(airframe);
    QString why;
    if (saveBytes(downloadfacts::pathFor(absolutePath(relativePath)), downloadfacts::toBytes(facts), &why)
        != SaveStatus::Saved) {
        setReason(reason, why);
        return false;
    }
    if (!m_index.setAirframe(relativePath, facts.airframe)) {
        setReason(reason, m_index.lastError());
        return false;
    }
    return true;
}

ImportOutcome Logbook::importFolder(const QString& folder)
{
    ImportOutcome outcome;
    const QString target = QStringLiteral("imported/") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    for (const archivefiles::FoundFile& file : archivefiles::listCsvFiles(folder, false)) {
        const QString path = QDir(folder).filePath(file.path);
        QByteArray bytes;
        QString reason;
        Plot plot;
        if (readUserFile(path, -1, bytes, reason) && datafile::readDataFile(bytes, plot) < 0)
            reason = datafile::notDataFileReason();
        if (!reason.isEmpty()) {
            outcome.failed << QStringLiteral("%1: %2").arg(nativename::shown(QDir(folder).absoluteFilePath(file.path)),
                                                           reason);
            continue;
        }
        DownloadFacts facts;
        facts.downloaded = QDateTime::fromMSecsSinceEpoch(file.modified, Qt::UTC);
        facts.set = setNumberOfFileName(file.path);
        // The copy's name is plain text: a byte of the source's name that is not UTF-8 appears as \xNN in it.
        const ArchiveOutcome stored =
            store(target, nativename::shown(QFileInfo(file.path).completeBaseName()), bytes, facts);
        if (stored.archived)
            outcome.imported << stored.path;
        else
            outcome.failed << QStringLiteral("%1: %2").arg(nativename::shown(QDir(folder).absoluteFilePath(file.path)),
                                                           stored.reason);
    }
    return outcome;
}

bool Logbook::rename(const QString& relativePath, const QString& name, QString* reason)
{
    const QString path = absolutePath(relativePath);
    QByteArray bytes;
    QString why;
    if (!readUserFile(path, -1, bytes, why)) {
        setReason(reason, why);
        return false;
    }
    Plot plot;
    const int sets = datafile::readDataFile(bytes, plot);
    if (sets < 1) {
        setReason(reason, datafile::notDataFileReason());
        return false;
    }
    plot.signals.rename(0, name);
    // A plot file put into the archive by hand keeps all its data sets; only the first is renamed.
    const bool plotFile = bytes.startsWith("Vimo Plot") || bytes.startsWith("\xEF\xBB\xBFVimo Plot") || sets > 1;
    const SaveStatus saved =
        plotFile ? datafile::savePlotFile(path, plot, &why) : datafile::saveDataSetFile(path, plot, 0, &why);
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

QString alreadyArchivedText(int set, const QDateTime& downloaded)
{
    return QStringLiteral("Set %1 is already in the Logbook (%2)")
        .arg(set)
        .arg(downloaded.toLocalTime().date().toString(QStringLiteral("yyyy-MM-dd")));
}

} // namespace vimo
