#include "link/PortNames.h"

#include "data/TextRules.h"

#include <QFileInfo>

namespace vimo {
namespace {

bool longerThan(const QString& text, int maxChars)
{
    return text::cut(text, maxChars).size() < text.size();
}

} // namespace

bool PortNames::add(const QString& portName)
{
    if (m_names.size() >= kCapacity || longerThan(portName, kMaxNameChars))
        return false;
    m_names.append(portName);
    return true;
}

QString portListText(const PortEntry& entry)
{
    const QString blanks = QStringLiteral("   ");
    return text::cut(entry.portName + blanks + entry.friendlyName + blanks + entry.enumerator, kPortListTextChars);
}

QString windowsDevicePath(const QString& portName)
{
    if (portName.size() == 4)
        return portName;
    return QStringLiteral("\\\\.\\") + portName;
}

QString devicePath(const QString& portName)
{
#ifdef Q_OS_WIN
    return windowsDevicePath(portName);
#else
    // A relative path with a folder in it ("sub/port") is a path too: made absolute, so that the serial port does
    // not take it for a name below /dev.
    if (portName.contains(QLatin1Char('/')))
        return QFileInfo(portName).absoluteFilePath();
    return QStringLiteral("/dev/") + portName;
#endif
}

} // namespace vimo
