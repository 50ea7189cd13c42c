#include "link/PortEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

namespace vimo {
namespace {

// Buses that name where a port sits, most telling first; a port on a USB adapter reads "USB" even when the USB
// host controller itself hangs on PCI.
const QStringList& knownBuses()
{
    static const QStringList buses = {
        QStringLiteral("usb"),      QStringLiteral("pci"),  QStringLiteral("pnp"),    QStringLiteral("acpi"),
        QStringLiteral("platform"), QStringLiteral("amba"), QStringLiteral("virtio"),
    };
    return buses;
}

// The subsystem a sysfs device directory belongs to (the name its "subsystem" link points at).
QString subsystemOf(const QString& deviceDir)
{
    const QFileInfo link(deviceDir + QStringLiteral("/subsystem"));
    if (!link.isSymLink())
        return {};
    return QFileInfo(link.symLinkTarget()).fileName();
}

} // namespace

QString busOfTty(const QString& name, const QString& sysfsRoot)
{
    const QFileInfo device(sysfsRoot + QStringLiteral("/class/tty/") + name + QStringLiteral("/device"));
    if (!device.exists())
        return {};
    const QString top = QDir(sysfsRoot + QStringLiteral("/devices")).canonicalPath();
    QStringList subsystems;
    for (QString dir = device.canonicalFilePath(); !dir.isEmpty() && dir != top && dir.startsWith(top);
         dir = QFileInfo(dir).path()) {
        const QString subsystem = subsystemOf(dir);
        if (!subsystem.isEmpty())
            subsystems.append(subsystem);
    }
    for (const QString& bus : knownBuses()) {
        if (subsystems.contains(bus))
            return bus.toUpper();
    }
    return subsystems.isEmpty() ? QString() : subsystems.first().toUpper();
}

PortEntry portEntry(const QString& portName, const QString& description, const QString& enumerator)
{
    return {portName, description.isEmpty() ? portName : description, enumerator};
}

bool enumerateSerialPorts(const std::function<bool(const PortEntry&)>& callback)
{
    if (!callback)
        return false;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_LINUX
        const QString bus = busOfTty(QFileInfo(info.systemLocation()).fileName());
#else
        const QString bus;
#endif
        if (!callback(portEntry(info.portName(), info.description(), bus)))
            break;
    }
    return true;
}

} // namespace vimo
