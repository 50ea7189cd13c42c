#include "app/AppSettings.h"

#include <QByteArray>
#include <QRect>
#include <QSettings>
#include <QtEndian>
#include <algorithm>
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
    visit("PortPath", s.portPath);
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
    void operator()(const char* name, QString& member) const
    {
        const QVariant value = store.value(QLatin1String(name));
        if (value.typeId() == QMetaType::QString)
            member = value.toString().trimmed();
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
    void operator()(const char* name, const QString& member) const { store.setValue(QLatin1String(name), member); }
};

// At least this much of the window must lie on a screen for a stored position to be kept.
constexpr int kVisibleWidth = 100;
constexpr int kVisibleHeight = 50;

// How much of a window at (left, top) of `size` lies on `screen`, in 64 bits: a stored position may be anywhere in
// the int range, where QRect's arithmetic would overflow.
qint64 visibleArea(qint64 left, qint64 top, const QSize& size, const QRect& screen, bool* enough)
{
    const qint64 w = std::min<qint64>(left + size.width(), qint64(screen.x()) + screen.width())
                     - std::max<qint64>(left, screen.x());
    const qint64 h = std::min<qint64>(top + size.height(), qint64(screen.y()) + screen.height())
                     - std::max<qint64>(top, screen.y());
    if (w <= 0 || h <= 0)
        return 0;
    if (enough)
        *enough = w >= std::min(kVisibleWidth, size.width()) && h >= std::min(kVisibleHeight, size.height());
    return w * h;
}

// The screen holding most of the window, or -1 when none holds enough of it to keep the position.
int screenOf(qint64 left, qint64 top, const QSize& size, const QList<QRect>& screens)
{
    int best = -1;
    qint64 bestArea = 0;
    for (int i = 0; i < screens.size(); ++i) {
        bool enough = false;
        const qint64 area = visibleArea(left, top, size, screens.at(i), &enough);
        if (enough && area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    return best;
}

// One coordinate moved so that [start, start + length) lies within the screen's span; the span's start when the
// window is longer than the span.
int within(qint64 start, int length, int spanStart, int spanLength)
{
    const qint64 last = std::max<qint64>(spanStart, qint64(spanStart) + spanLength - length);
    return int(std::clamp<qint64>(start, spanStart, last));
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
    if (!context.screens.isEmpty()) {
        const QSize size = context.windowSize;
        int screen = screenOf(settings.left, settings.top, size, context.screens);
        if (screen < 0) {
            settings.left = AppSettings::kDefaultLeft;
            settings.top = AppSettings::kDefaultTop;
            screen = std::max(screenOf(settings.left, settings.top, size, context.screens), 0);
        }
        // The window lands wholly on that screen.
        const QRect& area = context.screens.at(screen);
        settings.left = within(settings.left, size.width(), area.x(), area.width());
        settings.top = within(settings.top, size.height(), area.y(), area.height());
    }
    if (settings.exportType < 1 || settings.exportType > AppSettings::kExportTypeCount)
        settings.exportType = 1;
}

} // namespace vimo
