#include "logbook/ArchiveFiles.h"

#include "data/DataFile.h"
#include "data/Plot.h"
#include "logbook/DownloadFacts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace vimo::archivefiles {
namespace {

FoundFile found(const QDir& root, const QFileInfo& info)
{
    return {root.relativeFilePath(info.absoluteFilePath()), info.size(),
            info.lastModified().toMSecsSinceEpoch()};
}

bool isDeleted(const QString& relativePath)
{
    return relativePath.startsWith(QLatin1String(kDeletedFolder) + QLatin1Char('/'));
}

QByteArray readAll(const QString& path, bool* ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

} // namespace

std::vector<FoundFile> scan(const QString& root)
{
    const QDir dir(root);
    std::vector<FoundFile> files;
    QDirIterator it(root, {QStringLiteral("*.csv")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        FoundFile f = found(dir, it.fileInfo());
        if (!isDeleted(f.path))
            files.push_back(std::move(f));
    }
    std::sort(files.begin(), files.end(), [](const FoundFile& a, const FoundFile& b) { return a.path < b.path; });
    return files;
}

std::optional<FoundFile> stat(const QString& root, const QString& relativePath)
{
    const QDir dir(root);
    const QFileInfo info(dir.filePath(relativePath));
    if (!info.isFile())
        return std::nullopt;
    return found(dir, info);
}

std::optional<FlightRecord> readFlight(const QString& root, const FoundFile& file)
{
    const QString path = QDir(root).filePath(file.path);
    bool ok = false;
    const QByteArray bytes = readAll(path, &ok);
    if (!ok)
        return std::nullopt;
    Plot plot;
    datafile::readDataFile(bytes, plot); // always adds at least one data set

    bool factsRead = false;
    const QByteArray factBytes = readAll(downloadfacts::pathFor(path), &factsRead);
    DownloadFacts facts = factsRead ? downloadfacts::fromBytes(factBytes).value_or(DownloadFacts{}) : DownloadFacts{};
    if (!facts.downloaded.isValid())
        facts.downloaded = QDateTime::fromMSecsSinceEpoch(file.modified, Qt::UTC);
    if (facts.set == 0)
        facts.set = setNumberOfFileName(QFileInfo(file.path).fileName());

    FlightRecord record = describeFlight(plot.signals.at(0), facts);
    record.path = file.path;
    record.fileSize = file.size;
    record.fileModified = file.modified;
    return record;
}

} // namespace vimo::archivefiles
