#pragma once

#include <QString>
#include <functional>

namespace vimo {

// One serial port found by discovery.
struct PortEntry {
    QString portName;     // the name to open, such as ttyUSB0 (COM3 on Windows)
    QString friendlyName; // the device's description, or portName when it has none
    QString enumerator;   // the bus the device hangs on, such as USB; empty when unknown
};

// The entry of a port: the description becomes the friendly name, or the port name when there is no description.
PortEntry portEntry(const QString& portName, const QString& description, const QString& enumerator);

// Lists the serial ports of this machine in the order the system reports them and calls `callback` once per port;
// a callback that returns false stops the listing. Returns false when there is no callback. Opens no port.
bool enumerateSerialPorts(const std::function<bool(const PortEntry&)>& callback);

// The bus that the tty device `name` hangs on, read from the sysfs tree below `sysfsRoot`: "USB" when a USB device
// is among its parents, otherwise the nearest bus such as "PCI", "PNP" or "PLATFORM"; empty when the device has no
// parent device (a pseudo-terminal, a virtual console) or the tree has no entry for it.
QString busOfTty(const QString& name, const QString& sysfsRoot = QStringLiteral("/sys"));

} // namespace vimo
