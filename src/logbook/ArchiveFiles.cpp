#include "logbook/ArchiveFiles.h"

#include "data/DataFile.h"
#include "data/NativeName.h"
#include "data/Plot.h"
#include "data/UserFile.h"
#include "logbook/DownloadFacts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace vimo::archivefiles {
namespace {

#ifndef Q_OS_UNIX
FoundFile found(const QDir& root, const QFileInfo& info)
{
    return {root.relativeFilePath(info.absoluteFilePath()), info.size(), info.lastModified().toMSecsSinceEpoch()};
}
#endif

bool isDeleted(const QString& relativePath)
{
    return relativePath.startsWith(QLatin1String(kDeletedFolder) + QLatin1Char('/'));
}

// Facts files are a few hundred bytes; anything much larger is not one.
constexpr qint64 kMaxFactsBytes = 1 << 20;

QByteArray readAll(const QString& path, qint64 maxBytes, bool* ok)
{
    QByteArray bytes;
    QString reason;
    *ok = readUserFile(path, maxBytes, bytes, reason);
    return bytes;
}

} // namespace

#ifdef Q_OS_UNIX
namespace {

bool isCsvName(const QString& name)
{
    return name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

qint64 modifiedMs(const struct stat& info)
{
    return qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
}

// Walks the folder with the system's own calls, so that every name is read as the bytes it is.
void walk(const QByteArray& folder, const QString& relative, bool recursive, std::vector<FoundFile>& files)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue; // ".", "..", and hidden names (a save's temporary file among them)
        const QByteArray path = folder + '/' + name;
        const QString relativeName = relative + nativename::decode(name);
        struct stat link {};
        struct stat target {};
        if (::lstat(path.constData(), &link) != 0)
            continue;
        if (S_ISDIR(link.st_mode)) {
            if (recursive)
                walk(path, relativeName + QLatin1Char('/'), recursive, files);
        } else if (isCsvName(relativeName) && ::stat(path.constData(), &target) == 0 && S_ISREG(target.st_mode)) {
            files.push_back({relativeName, qint64(target.st_size), modifiedMs(target)});
        }
    }
    ::closedir(dir);
}

} // namespace

std::vector<FoundFile> listCsvFiles(const QString& folder, bool recursive)
{
    std::vector<FoundFile> files;
    walk(nativename::encode(QDir::cleanPath(folder)), QString(), recursive, files);
    std::sort(files.begin(), files.end(), [](const FoundFile& a, const FoundFile& b) { return a.path < b.path; });
    return files;
}
#else
std::vector<FoundFile> listCsvFiles(const QString& folder, bool recursive)
{
    const QDir dir(folder);
    std::vector<FoundFile> files;
    QDirIterator it(folder, {QStringLiteral("*.csv")}, QDir::Files,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().isFile())
            files.push_back(found(dir, it.fileInfo()));
    }
    std::sort(files.begin(), files.end(), [](const FoundFile& a, const FoundFile& b) { return a.path < b.path; });
    return files;
}
#endif

std::vector<FoundFile> scan(const QString& root)
{
    std::vector<FoundFile> files = listCsvFiles(root, true);
    files.erase(std::remove_if(files.begin(), files.end(), [](const FoundFile& f) { return isDeleted(f.path); }),
                files.end());
    return files;
}

std::optional<FoundFile> stat(const QString& root, const QString& relativePath)
{
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(nativename::encode(QDir(root).filePath(relativePath)).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FoundFile{relativePath, qint64(info.st_size), modifiedMs(info)};
#else
    const QDir dir(root);
    const QFileInfo info(dir.filePath(relativePath));
    if (!info.isFile())
        return std::nullopt;
    return found(dir, info);
#endif
}

DownloadFacts readFacts(const QString& root, const FoundFile& file)
{
    bool factsRead = false;
    const QByteArray factBytes =
        readAll(downloadfacts::pathFor(QDir(root).filePath(file.path)), kMaxFactsBytes, &factsRead);
    DownloadFacts facts = factsRead ? downloadfacts::fromBytes(factBytes).value_or(DownloadFacts{}) : DownloadFacts{};
    if (!facts.downloaded.isValid())
        facts.downloaded = QDateTime::fromMSecsSinceEpoch(file.modified, Qt::UTC);
    if (facts.set == 0)
        facts.set = setNumberOfFileName(QFileInfo(file.path).fileName());
    return facts;
}

std::optional<ArchivedRecording> readRecording(const QString& root, const FoundFile& file)
{
    bool ok = false;
    const QByteArray bytes = readAll(QDir(root).filePath(file.path), -1, &ok);
    if (!ok)
        return std::nullopt;
    Plot plot;
    if (datafile::readDataFile(bytes, plot) < 1)
        return std::nullopt; // not a data file, or a plot file without data sets: no flight

    ArchivedRecording record = describeRecording(plot.signals.at(0), readFacts(root, file));
    record.path = file.path;
    record.fileSize = file.size;
    record.fileModified = file.modified;
    return record;
}

} // namespace vimo::archivefiles
