#include "module/ConfigControls.h"

#include "data/CFormat.h"
#include "module/IntervalEditor.h"
#include "module/ModuleSetup.h"

#include <algorithm>

namespace vimo {
namespace {

QString decimal(unsigned value)
{
    return QString::fromLatin1(cformat::integer(value));
}

// A seconds edit: 0..65535; when the number had to be limited, the edit shows the stored value.
std::uint16_t secondsFromEdit(QString& text)
{
    const std::int32_t value = editNumber(text);
    const std::int32_t kept = std::clamp<std::int32_t>(value, 0, 0xFFFF);
    if (kept != value)
        text = decimal(unsigned(kept));
    return std::uint16_t(kept);
}

std::uint16_t altitudeFromEdit(const QString& text)
{
    return std::uint16_t(std::uint32_t(editNumber(text)) & 0xFFFF);
}

} // namespace

std::int32_t editNumber(const QString& text)
{
    std::int32_t value = 0;
    const QByteArray bytes = text.toLatin1();
    if (!cformat::parseInt(std::string_view(bytes.constData(), std::size_t(bytes.size())), value))
        return 0;
    return value;
}

int groupRow(unsigned value, int rows)
{
    return int(std::min<unsigned>(value, unsigned(rows - 1)));
}

QString unitName(int row)
{
    return QString::fromLatin1(unitNames[std::size_t(std::clamp(row, 0, int(unitNames.size()) - 1))]);
}

QString blankCaption(std::uint8_t moduleVersion)
{
    return moduleVersion >= 3 ? QStringLiteral("Enable LCD backlight")
                              : QStringLiteral("Blank display after 30 seconds");
}

std::optional<FieldRange> controlRange(int field)
{
    const auto rows = [](const auto& names) { return FieldRange{0, qsizetype(names.size()) - 1}; };
    const std::pair<const char*, FieldRange> ranges[] = {
        {"intervalTicks", {1, 0xFFFF}},    {"units", rows(unitNames)},
        {"blankDisplay", {0, 1}},          {"reverseTrigger", {0, 1}},
        {"recordTrigger", {0, 1}},         {"startSeconds", {0, 0xFFFF}},
        {"stopSeconds", {0, 0xFFFF}},      {"startAltitude", {0, 0xFFFF}},
        {"stopAltitude", {0, 0xFFFF}},     {"autoStart", rows(autoStartNames)},
        {"autoStop", rows(autoStopNames)}, {"autoZero", rows(autoZeroNames)},
        {"moduleVersion", {0, 0xFF}},      {"memorySize", {1, qsizetype(memorySizeItems.size())}},
    };
    for (const auto& [name, range] : ranges) {
        if (configFieldName(field) == name)
            return range;
    }
    return std::nullopt;
}

int snapTrackBar(int position, const TrackBarSpec& bar)
{
    const int p = std::clamp(position, bar.minimum, bar.maximum);
    if (p % bar.step == 0)
        return p;
    return std::min(p / bar.step * bar.step + bar.step, bar.maximum);
}

void ConfigControls::setAutoZeroChecked(bool checked)
{
    autoZeroChecked = checked;
    autoZeroRow = checked ? kAutoZeroOnPowerup : 0;
}

ConfigControls controlsFromConfig(const ModuleConfig& config, bool f5jModule)
{
    ConfigControls c;
    c.unitsRow = groupRow(config.units, int(unitNames.size()));
    c.blankChecked = config.blankDisplay != 0;
    c.blankCaption = blankCaption(config.moduleVersion);
    c.trigChecked = config.recordTrigger != 0;
    c.revTrigChecked = config.reverseTrigger != 0;
    c.zCutBar = snapTrackBar(config.stopAltitude, kZCutBar);
    c.t1Bar = snapTrackBar(config.startSeconds, kT1Bar);
    c.t2Bar = snapTrackBar(config.stopSeconds, kT2Bar);
    c.autoStartRow = groupRow(config.autoStart, int(autoStartNames.size()));
    c.autoStartSecText = decimal(config.startSeconds);
    c.autoStartAltitudeText = decimal(config.startAltitude);
    c.autoStopRow = groupRow(config.autoStop, int(autoStopNames.size()));
    c.autoStopSecText = decimal(config.stopSeconds);
    c.autoStopAltitudeText = decimal(config.stopAltitude);
    c.autoZeroRow = groupRow(config.autoZero, int(autoZeroNames.size()));
    c.autoZeroChecked = c.autoZeroRow == kAutoZeroOnPowerup;
    c.f5jVisible = f5jModule;
    return c;
}

void applyControls(ConfigControls& controls, ModuleConfig& config, bool f5jModule, std::uint32_t recordInterval)
{
    config.blankDisplay = controls.blankChecked ? 1 : 0;
    config.reverseTrigger = controls.revTrigChecked ? 1 : 0;
    config.intervalTicks = intervalTicksFor(recordInterval, config.baseInterval, config.intervalTicks);
    config.units = std::uint8_t(controls.unitsRow);
    config.recordTrigger = controls.trigChecked ? 1 : 0;
    config.autoStart = std::uint8_t(controls.autoStartRow);
    config.autoStop = std::uint8_t(controls.autoStopRow);
    config.autoZero = std::uint8_t(controls.autoZeroRow);
    config.startAltitude = altitudeFromEdit(controls.autoStartAltitudeText);
    if (f5jModule) {
        config.stopAltitude = std::uint16_t(controls.zCutBar);
        config.startSeconds = std::uint16_t(controls.t1Bar);
        config.stopSeconds = std::uint16_t(controls.t2Bar);
    } else {
        config.startSeconds = secondsFromEdit(controls.autoStartSecText);
        config.stopSeconds = secondsFromEdit(controls.autoStopSecText);
        config.stopAltitude = altitudeFromEdit(controls.autoStopAltitudeText);
    }
}

} // namespace vimo
