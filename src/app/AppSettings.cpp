#include "app/AppSettings.h"

#include <QByteArray>
#include <QLocale>
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
    const qlonglong n =
        value.typeId() == QMetaType::QString ? value.toString().trimmed().toLongLong(&ok) : value.toLongLong(&ok);
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

// A stored start-height window and the like: seconds as a number, or as text in the C locale ("12.5", whatever the
// desktop's language); a value edited by hand may be anything.
std::optional<double> storedSeconds(const QVariant& value)
{
    bool ok = false;
    double seconds = 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        seconds = value.toDouble(&ok);
        break;
    case QMetaType::QString:
        seconds = QLocale::c().toDouble(value.toString().trimmed(), &ok);
        break;
    default:
        break; // missing, a list, binary data
    }
    if (!ok || !std::isfinite(seconds))
        return std::nullopt;
    return seconds;
}

// The value stored for `key` read in its form; nothing when it is missing or cannot be read so.
std::optional<QVariant> storedValue(const QVariant& stored, SettingForm form)
{
    if (!stored.isValid())
        return std::nullopt;
    const auto integer = [&stored] { return storedInteger(stored); };
    switch (form) {
    case SettingForm::Integer:
    case SettingForm::Count:
        if (const auto n = integer())
            return QVariant::fromValue(int(*n));
        break;
    case SettingForm::Switch:
        if (const auto n = integer())
            return QVariant::fromValue(*n != 0);
        break;
    case SettingForm::Colour:
        if (const auto n = integer())
            return QVariant::fromValue(Colour(std::uint32_t(*n)));
        break;
    case SettingForm::Word:
        if (const auto n = integer())
            return QVariant::fromValue(quint16(std::uint32_t(*n) & 0xFFFFu)); // the low 16 bits
        break;
    case SettingForm::Inches:
        if (const auto d = storedDouble(stored))
            return QVariant::fromValue(*d);
        break;
    case SettingForm::Text:
        if (stored.typeId() == QMetaType::QString)
            return QVariant::fromValue(stored.toString().trimmed());
        break;
    case SettingForm::Flag:
        return QVariant::fromValue(stored.toBool());
    case SettingForm::Folder:
        return QVariant::fromValue(stored.toString());
    case SettingForm::Files: {
        QStringList files = stored.toStringList();
        files.removeAll(QString());
        return QVariant::fromValue(files);
    }
    case SettingForm::Seconds:
        if (const auto seconds = storedSeconds(stored))
            return QVariant::fromValue(*seconds);
        break;
    }
    return std::nullopt;
}

// `value` as the settings file keeps it in `form`.
QVariant storedForm(const QVariant& value, SettingForm form)
{
    switch (form) {
    case SettingForm::Switch:
        return value.toBool() ? 1 : 0;
    case SettingForm::Colour:
        return std::int32_t(value.value<Colour>());
    case SettingForm::Word:
        return int(value.value<quint16>());
    case SettingForm::Inches:
        return doubleBytes(value.toDouble());
    default:
        return value;
    }
}

// At least this much of the window must lie on a screen for a stored position to be kept.
constexpr int kVisibleWidth = 100;
constexpr int kVisibleHeight = 50;

// How much of a window at (left, top) of `size` lies on `screen`, in 64 bits: a stored position may be anywhere in
// the int range, where QRect's arithmetic would overflow.
qint64 visibleArea(qint64 left, qint64 top, const QSize& size, const QRect& screen, bool* enough)
{
    const qint64 w =
        std::min<qint64>(left + size.width(), qint64(screen.x()) + screen.width()) - std::max<qint64>(left, screen.x());
    const qint64 h =
        std::min<qint64>(top + size.height(), qint64(screen.y()) + screen.height()) - std::max<qint64>(top, screen.y());
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

QString SettingKey::group() const
{
    switch (form) {
    case SettingForm::Flag:
    case SettingForm::Folder:
    case SettingForm::Files:
    case SettingForm::Seconds:
    case SettingForm::Count:
        return QStringLiteral("Session");
    default:
        return QStringLiteral("Settings");
    }
}

TypedKey<QStringList> filesKey(const char* key, int most)
{
    TypedKey<QStringList> files = typedKey(key, SettingForm::Files, QStringList());
    files.key.fit = [most](const QVariant& v) -> std::optional<QVariant> {
        return QVariant::fromValue(v.toStringList().mid(0, most));
    };
    return files;
}

AppSettings AppSettings::defaults(const std::vector<SettingKey>& keys)
{
    AppSettings settings;
    for (const SettingKey& k : keys)
        settings.set(QLatin1String(k.key), k.defaultValue);
    return settings;
}

AppSettings readSettings(QSettings& store, const std::vector<SettingKey>& keys)
{
    AppSettings settings = AppSettings::defaults(keys);
    for (const SettingKey& k : keys) {
        std::optional<QVariant> value =
            storedValue(store.value(k.group() + QLatin1Char('/') + QLatin1String(k.key)), k.form);
        if (value && k.fit)
            value = k.fit(*value);
        if (value)
            settings.set(QLatin1String(k.key), *value);
    }
    return settings;
}

void writeSettings(QSettings& store, const std::vector<SettingKey>& keys, const AppSettings& settings)
{
    for (const SettingKey& k : keys)
        store.setValue(k.group() + QLatin1Char('/') + QLatin1String(k.key),
                       storedForm(settings.value(QLatin1String(k.key)), k.form));
    store.sync();
}

void bringIntoRange(AppSettings& settings, const SettingsContext& context)
{
    using C = SettingsContext;
    const int port = settings.get<int>(C::kPortRow);
    if (port < 0 || port >= context.portCount)
        settings.set(C::kPortRow, -1);
    if (context.screens.isEmpty())
        return;
    const QSize size = context.windowSize;
    qint64 left = settings.get<int>(C::kLeft);
    qint64 top = settings.get<int>(C::kTop);
    int screen = screenOf(left, top, size, context.screens);
    if (screen < 0) {
        left = C::kDefaultLeft;
        top = C::kDefaultTop;
        screen = std::max(screenOf(left, top, size, context.screens), 0);
    }
    // The window lands wholly on that screen.
    const QRect& area = context.screens.at(screen);
    settings.set(C::kLeft, within(left, size.width(), area.x(), area.width()));
    settings.set(C::kTop, within(top, size.height(), area.y(), area.height()));
}

} // namespace vimo
