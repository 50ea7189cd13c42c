#include "app/AppSettings.h"

#include <QByteArray>
#include <QSettings>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace vimo {
namespace {

const QString kGroup = QStringLiteral("Settings");

// Visits every value in its stored order with its name; `visit` is called with (name, member).
template <class Settings, class Visit>
void forEachValue(Settings& s, Visit&& visit)
{
    visit("ComPort", s.comPort);
    visit("BaudRate", s.baudRate);
    visit("Left", s.left);
    visit("Top", s.top);
    visit("SimulateTarget", s.simulateTarget);
    visit("ShowPoints", s.showPoints);
    visit("ShowInfo", s.showInfo);
    visit("ShowBackground", s.showBackground);
    visit("ShowAvgROC", s.showAvgRoc);
    visit("BlankPart", s.blankPart);
    visit("RevTrig", s.revTrig);
    visit("Triggered", s.triggered);
    visit("Sizeable", s.sizeable);
    visit("PrtWidth", s.prtWidth);
    visit("PrtHeight", s.prtHeight);
    visit("PrtColor", s.prtColor);
    visit("BGColor", s.bgColor);
    visit("GridColor", s.gridColor);
    visit("ScaleColor", s.scaleColor);
    visit("LabelColor", s.labelColor);
    visit("InfoColor", s.infoColor);
    visit("ZCut", s.zCut);
    visit("ZT1", s.zT1);
    visit("ZT2", s.zT2);
    visit("AutoStart", s.autoStart);
    visit("AutoStartSec", s.autoStartSec);
    visit("AutoStartAltitude", s.autoStartAltitude);
    visit("AutoStop", s.autoStop);
    visit("AutoStopSec", s.autoStopSec);
    visit("AutoStopAltitude", s.autoStopAltitude);
    visit("AutoZero", s.autoZero);
    visit("ExportType", s.exportType);
    visit("Interval", s.interval);
}

// A stored 32-bit integer; nothing when the value is missing or is no such integer.
std::optional<std::int32_t> storedInteger(const QVariant& value)
{
    if (!value.isValid())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::QString:
        break;
    default:
        return std::nullopt; // a binary value, a list, ...
    }
    bool ok = false;
    const qlonglong n = value.typeId() == QMetaType::QString ? value.toString().trimmed().toLongLong(&ok)
                                                              : value.toLongLong(&ok);
    // 32 bits, signed or unsigned, as a stored double word may be either.
    if (!ok || n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return std::int32_t(std::uint32_t(n));
}

// A stored 8-byte little-endian double; nothing when the value is missing, of another kind or not finite.
std::optional<double> storedDouble(const QVariant& value)
{
    if (!value.isValid() || value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    if (bytes.size() != int(sizeof(double)))
        return std::nullopt;
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData());
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (!std::isfinite(d))
        return std::nullopt;
    return d;
}

QByteArray doubleBytes(double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    QByteArray bytes(int(sizeof bits), '\0');
    qToLittleEndian(bits, bytes.data());
    return bytes;
}

struct Reader {
    QSettings& store;

    void operator()(const char* name, int& member) const
    {
        if (const auto n = storedInteger(store.value(QLatin1String(name))))
            member = *n;
    }
    void operator()(const char* name, bool& member) const
    {
        if (const auto n = storedInteger(store.value(QLatin1String(name))))
            member = *n != 0;
    }
    void operator()(const char* name, Colour& member) const
    {
        if (const auto n = storedInteger(store.value(QLatin1String(name))))
            member = Colour(std::uint32_t(*n));
    }
    void operator()(const char* name, std::uint16_t& member) const
    {
        if (const auto n = storedInteger(store.value(QLatin1String(name))))
            member = std::uint16_t(std::uint32_t(*n) & 0xFFFFu); // the low 16 bits
    }
    void operator()(const char* name, double& member) const
    {
        if (const auto d = storedDouble(store.value(QLatin1String(name))))
            member = *d;
    }
};

struct Writer {
    QSettings& store;

    void operator()(const char* name, int member) const { store.setValue(QLatin1String(name), member); }
    void operator()(const char* name, bool member) const { store.setValue(QLatin1String(name), member ? 1 : 0); }
    void operator()(const char* name, Colour member) const
    {
        store.setValue(QLatin1String(name), std::int32_t(member));
    }
    void operator()(const char* name, std::uint16_t member) const
    {
        store.setValue(QLatin1String(name), int(member));
    }
    void operator()(const char* name, double member) const
    {
        store.setValue(QLatin1String(name), doubleBytes(member));
    }
};

// At least this much of the window must lie on a screen for a stored position to be kept.
constexpr int kVisibleWidth = 100;
constexpr int kVisibleHeight = 50;

bool visibleOnSomeScreen(const QRect& window, const QList<QRect>& screens)
{
    for (const QRect& screen : screens) {
        const QRect seen = window.intersected(screen);
        if (seen.width() >= std::min(kVisibleWidth, window.width())
            && seen.height() >= std::min(kVisibleHeight, window.height()))
            return true;
    }
    return false;
}

} // namespace

AppSettings readSettings(QSettings& store)
{
    AppSettings settings;
    store.beginGroup(kGroup);
    forEachValue(settings, Reader{store});
    store.endGroup();
    return settings;
}

void writeSettings(QSettings& store, const AppSettings& settings)
{
    store.beginGroup(kGroup);
    forEachValue(settings, Writer{store});
    store.endGroup();
    store.sync();
}

void bringIntoRange(AppSettings& settings, const SettingsContext& context)
{
    if (settings.comPort < 0 || settings.comPort >= context.portCount)
        settings.comPort = -1;
    if (settings.baudRate < 0 || settings.baudRate >= AppSettings::kSpeedCount)
        settings.baudRate = AppSettings::kDefaultSpeedIndex;
    if (!visibleOnSomeScreen(QRect(QPoint(settings.left, settings.top), context.windowSize), context.screens)) {
        settings.left = AppSettings::kDefaultLeft;
        settings.top = AppSettings::kDefaultTop;
    }
    if (settings.exportType < 1 || settings.exportType > AppSettings::kExportTypeCount)
        settings.exportType = 1;
}

} // namespace vimo
