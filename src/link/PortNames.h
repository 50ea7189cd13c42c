#pragma once

#include "link/PortEntry.h"

#include <QString>
#include <QStringList>

namespace vimo {

// The names of the ports offered in the port box, in discovery order; entry i belongs to item i of the box.
// It holds at most 200 names of at most 199 characters each: a name that does not fit is skipped whole (never cut),
// and so is every name once the table is full.
class PortNames {
public:
    static constexpr int kCapacity = 200;
    static constexpr int kMaxNameChars = 199;

    // Appends the name; false (and nothing added) when the table is full or the name is too long.
    bool add(const QString& portName);
    void clear() { m_names.clear(); }
    int count() const { return int(m_names.size()); }
    const QString& at(int index) const { return m_names.at(index); }

private:
    QStringList m_names;
};

// The longest text of one port box item, in characters.
inline constexpr int kPortListTextChars = 1023;

// The port box text of a port: name, three blanks, description, three blanks, enumerator; cut at 1023 characters.
QString portListText(const PortEntry& entry);

// The device to open for a port name on this system: on Linux /dev/NAME, while a name that already is a path (it
// holds a '/') is used as it is; on Windows windowsDevicePath().
QString devicePath(const QString& portName);

// The Windows rule: a name of exactly 4 characters (COM1 to COM9) is used unchanged; any other gets the "\\.\"
// prefix, without which Windows cannot open COM10 and up.
QString windowsDevicePath(const QString& portName);

} // namespace vimo
