#include "link/PortNames.h"

#include "data/TextRules.h"

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
    if (portName.contains(QLatin1Char('/')))
        return portName;
    return QStringLiteral("/dev/") + portName;
#endif
}

} // namespace vimo
