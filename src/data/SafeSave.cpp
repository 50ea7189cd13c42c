#include "data/SafeSave.h"

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
    return std::filesystem::path(QFile::encodeName(path).toStdString());
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
        file.setFileName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".")
                         + QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".tmp"));
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

bool replaceTarget(const QString& temporary, const QString& target, QString& error)
{
    const QFileInfo old(target);
    if (old.exists())
        QFile::setPermissions(temporary, old.permissions());
    std::error_code code;
    std::filesystem::rename(nativePath(temporary), nativePath(old.absoluteFilePath()), code);
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
    if (!openTemporary(path, file, error)) {
        if (reason)
            *reason = error;
        return SaveStatus::Failed;
    }
    const QString temporary = file.fileName();
    if (writeAndClose(file, bytes, error) && replaceTarget(temporary, path, error))
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
