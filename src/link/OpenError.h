#pragma once

#include <QString>

namespace vimo {

// Why a serial port could not be opened (or refused its settings and was closed again).
struct OpenError {
    QString path;   // the device path that was asked for
    QString reason; // the system's reason, for example "Permission denied"; empty when there is none
    bool accessDenied = false;
    QString deviceGroup; // the group that owns the device, when access was denied and it is known

    bool isEmpty() const { return reason.isEmpty() && !accessDenied; }
};

// The fixed text every caller shows when a port cannot be opened.
inline constexpr const char* kUnableToOpenText = "Unable to open Serial Port";

// The message box text for a port that cannot be opened: the fixed line, then the device and the system's reason,
// and when access was denied the hint that the user must belong to the group that owns the device.
QString openFailureMessage(const OpenError& error);

// The text shown when there is no port to open: "Unable to open Serial Port" with the reason that no serial port
// is selected.
QString noPortSelectedText();

// The memo line for a port that disappeared during an exchange (an adapter pulled out).
QString portLostMessage(const QString& path);

// The reason given for a path that exists but is no serial port (a file, a folder, a device that is no terminal).
inline constexpr const char* kNotASerialPortText = "not a serial port";

// The reason given for a port that another program holds open (its lock file, or the device kept exclusive).
inline constexpr const char* kPortInUseText = "the port is in use by another program";

// Fills `accessDenied` and `deviceGroup` of `error` from the device node: access is denied when the node exists but
// this process may not read and write it. A node that is no serial port gets the reason "not a serial port", a
// port that another program holds the reason kPortInUseText.
// Called after an open failed.
void explainOpenFailure(OpenError& error);

} // namespace vimo
