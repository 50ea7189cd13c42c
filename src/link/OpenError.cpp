#include "link/OpenError.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif

namespace vimo {
#ifdef Q_OS_UNIX
namespace {

QString groupName(gid_t gid)
{
    long size = sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buffer(size_t(size > 0 ? size : 4096));
    group entry{};
    group* found = nullptr;
    while (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE)
        buffer.resize(buffer.size() * 2);
    return found ? QString::fromLocal8Bit(found->gr_name) : QString();
}

} // namespace
#endif

QString openFailureMessage(const OpenError& error)
{
    QString text = QString::fromLatin1(kUnableToOpenText);
    if (!error.reason.isEmpty())
        text += QStringLiteral("\n\n%1: %2").arg(error.path, error.reason);
    if (error.accessDenied) {
        const QString usual = QStringLiteral("dialout");
        const QString group = error.deviceGroup.isEmpty() ? usual : error.deviceGroup;
        const QString here = group == usual ? QString() : QStringLiteral(" (here: %1)").arg(group);
        text += QStringLiteral("\n\nYour user must belong to the group that owns the device, usually dialout%1:\n"
                               "    sudo adduser $USER %2\nthen log out and in again.")
                    .arg(here, group);
    }
    return text;
}

QString noPortSelectedText()
{
    return QString::fromLatin1(kUnableToOpenText) + QStringLiteral("\n\nno serial port selected");
}

QString portLostMessage(const QString& path)
{
    return QStringLiteral("Serial port %1 was lost (adapter unplugged?); it is closed now.").arg(path);
}

void explainOpenFailure(OpenError& error)
{
#ifdef Q_OS_UNIX
    const QByteArray node = QFile::encodeName(error.path);
    struct stat info {};
    if (::stat(node.constData(), &info) != 0)
        return;
    if (::access(node.constData(), R_OK | W_OK) != 0 && errno == EACCES) {
        error.accessDenied = true;
        error.deviceGroup = groupName(info.st_gid);
        return;
    }
    // A plain file, a folder or a device that is no terminal: the system's "Inappropriate ioctl for device" says
    // nothing to a user who typed the wrong path.
    if (!S_ISCHR(info.st_mode) || error.reason == QString::fromLocal8Bit(std::strerror(ENOTTY))) {
        error.reason = QString::fromLatin1(kNotASerialPortText);
        return;
    }
    // The serial port library reports another program's lock file as a permission error, though this process may
    // use the device: the port is taken, which is what the user must hear.
    if (error.reason == QLatin1String("Permission error while locking the device")
        || error.reason == QString::fromLocal8Bit(std::strerror(EBUSY)))
        error.reason = QString::fromLatin1(kPortInUseText);
#else
    // Without POSIX device nodes the group that owns a device is unknown; a path to a plain file or a folder is
    // still no serial port.
    const QFileInfo info(error.path);
    if (info.exists() && (info.isFile() || info.isDir()))
        error.reason = QString::fromLatin1(kNotASerialPortText);
#endif
}

} // namespace vimo
