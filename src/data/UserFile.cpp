#include "data/UserFile.h"

#include "data/NativeName.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vimo {
namespace {

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("The file is larger than %1 bytes").arg(maxBytes);
}

// Opens the file without ever waiting: on Unix with O_NONBLOCK, so that a FIFO without a writer cannot hang the
// open, and the type is then taken from the open file itself.
bool openRegular(const QString& path, qint64 maxBytes, QFile& file, QString& reason)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(nativename::encode(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = QString::fromStdString(std::system_category().message(errno));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || (maxBytes >= 0 && info.st_size > maxBytes)) {
        reason = S_ISREG(info.st_mode) ? tooLarge(maxBytes) : notRegularFileReason();
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        reason = notRegularFileReason();
        return false;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    if (file.isSequential()) {
        reason = notRegularFileReason();
        return false;
    }
    if (maxBytes >= 0 && file.size() > maxBytes) {
        reason = tooLarge(maxBytes);
        return false;
    }
    return true;
#endif
}

} // namespace

QString notRegularFileReason()
{
    return QStringLiteral("Not a regular file");
}

bool readUserFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& reason)
{
    QFile file;
    if (!openRegular(path, maxBytes, file, reason))
        return false;
    bytes = file.readAll();
    // A file that grew since it was opened is held to the same limit.
    if (file.error() != QFileDevice::NoError || (maxBytes >= 0 && bytes.size() > maxBytes)) {
        reason = file.error() != QFileDevice::NoError ? file.errorString() : tooLarge(maxBytes);
        bytes.clear();
        return false;
    }
    return true;
}

} // namespace vimo
