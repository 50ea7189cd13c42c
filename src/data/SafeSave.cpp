#include "data/SafeSave.h"

#include "data/NativeName.h"
#include "data/UserFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vimo {
namespace {

// A path in the file system's own form. On POSIX that is the file name's bytes as Qt encodes them (UTF-8), never a
// conversion through the C library's locale, which fails for any non-ASCII name when the program runs in the C
// locale.
std::filesystem::path nativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(nativename::encode(path).toStdString());
#endif
}

QString systemReason(int error)
{
    return QString::fromStdString(std::system_category().message(error));
}

// Forces the written bytes onto the disk: a full disk may only show itself here.
bool syncToDisk(QFile& file, QString& error)
{
#ifdef Q_OS_WIN
    const bool synced = ::_commit(file.handle()) == 0;
#else
    const bool synced = ::fsync(file.handle()) == 0;
#endif
    if (!synced)
        error = systemReason(errno);
    return synced;
}

// A new, unique file beside the target, created with the permissions of any new file (0666 under the umask).
bool openTemporary(const QString& target, QFile& file, QString& error)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        // The name is kept to plain text: a byte of the target's name that is not UTF-8 appears as \xNN.
        file.setFileName(info.absolutePath() + QStringLiteral("/.") + nativename::shown(info.fileName())
                         + QStringLiteral(".") + QString::number(QRandomGenerator::global()->generate(), 36)
                         + QStringLiteral(".tmp"));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (file.exists())
            continue;
        error = file.errorString();
        return false;
    }
    error = file.errorString();
    return false;
}

// Writes every byte straight to the file's descriptor, so that a failure is seen at once with its own reason.
bool writeAll(QFile& file, const QByteArray& bytes, QString& error)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const unsigned chunk = unsigned(std::min<qint64>(left, 1 << 20));
#ifdef Q_OS_WIN
        const auto written = ::_write(file.handle(), data, chunk);
#else
        const auto written = ::write(file.handle(), data, chunk);
#endif
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error = written < 0 ? systemReason(errno) : QStringLiteral("nothing could be written");
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

bool writeAndClose(QFile& file, const QByteArray& bytes, QString& error)
{
    if (!writeAll(file, bytes, error) || !syncToDisk(file, error))
        return false;
    file.close();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    return true;
}

// What a save replaces: the named file, or the file a symbolic link names (so that the link stays a link), with
// the permissions and owner the new file takes over from it.
struct Target {
    QString path;
    bool existed = false;
#ifndef Q_OS_WIN
    struct stat old {};
#endif
};

// Finds what the save would replace and refuses what it must not: something that is not a regular file (a device,
// a FIFO, a folder: replacing it by a file would change what the name is, and writing into it cannot be undone)
// and a file without write permission.
bool findTarget(const QString& path, Target& target, QString& error)
{
    const QFileInfo info(path);
    target.path = info.absoluteFilePath();
#ifdef Q_OS_WIN
    target.existed = info.exists();
    if (target.existed && !info.isFile())
        error = notRegularFileReason();
    else if (target.existed && !info.isWritable())
        error = systemReason(EACCES);
    return error.isEmpty();
#else
    const QByteArray native = nativename::encode(path);
    if (::stat(native.constData(), &target.old) != 0) {
        const int failure = errno;
        struct stat link {};
        if (failure != ENOENT || ::lstat(native.constData(), &link) == 0) {
            error = systemReason(failure); // also a link that leads nowhere: it is not replaced by a file
            return false;
        }
        return true; // a new file
    }
    target.existed = true;
    if (!S_ISREG(target.old.st_mode)) {
        error = notRegularFileReason();
        return false;
    }
    // Write permission counts even for a user whom the system would let write anyway: a file made read-only is
    // meant to stay as it is.
    if ((target.old.st_mode & 0222) == 0 || ::access(native.constData(), W_OK) != 0) {
        error = systemReason(EACCES);
        return false;
    }
    if (info.isSymLink())
        target.path = info.canonicalFilePath();
    return true;
#endif
}

bool replaceTarget(const QString& temporary, const Target& target, QString& error)
{
#ifdef Q_OS_WIN
    if (target.existed)
        QFile::setPermissions(temporary, QFileInfo(target.path).permissions());
#else
    if (target.existed) {
        const QByteArray native = nativename::encode(temporary);
        // The owner is kept where the system allows it (else the file stays the caller's); the permissions are the
        // old file's, never wider.
        [[maybe_unused]] const int owned = ::chown(native.constData(), target.old.st_uid, target.old.st_gid);
        ::chmod(native.constData(), target.old.st_mode & 0777);
    }
#endif
    std::error_code code;
    std::filesystem::rename(nativePath(temporary), nativePath(target.path), code);
    if (code)
        error = QString::fromStdString(code.message());
    return !code;
}

} // namespace

SaveStatus saveWith(const QString& path, const std::function<bool(QIODevice& out, QString& error)>& write,
                    QString* reason)
{
    // The content is made in memory first: what goes to the disk is then written and checked in one place.
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    QString error;
    if (!write(content, error)) {
        if (reason)
            *reason = error.isEmpty() ? content.errorString() : error;
        return SaveStatus::Failed;
    }
    return saveBytes(path, content.data(), reason);
}

SaveStatus saveBytes(const QString& path, const QByteArray& bytes, QString* reason)
{
    QFile file;
    QString error;
    Target target;
    if (!findTarget(path, target, error) || !openTemporary(target.path, file, error)) {
        if (reason)
            *reason = error;
        return SaveStatus::Failed;
    }
    const QString temporary = file.fileName();
    if (writeAndClose(file, bytes, error) && replaceTarget(temporary, target, error))
        return SaveStatus::Saved;
    file.close();
    QFile::remove(temporary);
    if (reason)
        *reason = error;
    return SaveStatus::Failed;
}

QString noDataSetMessage()
{
    return QStringLiteral("No data set is selected.");
}

QString unableToOpenMessage(const QString& path)
{
    return QStringLiteral("Unable to open %1!").arg(path);
}

QString unableToOpenMessage(const QString& path, const QString& reason)
{
    return reason.isEmpty() ? unableToOpenMessage(path) : unableToOpenMessage(path) + QStringLiteral("\n\n") + reason;
}

} // namespace vimo
