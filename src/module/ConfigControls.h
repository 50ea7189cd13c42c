#pragma once

#include "module/ModuleConfig.h"

#include <QString>
#include <array>
#include <optional>

namespace vimo {

// Row names of the Configure page's radio groups; a record byte is the row index.
inline constexpr std::array<const char*, 3> unitNames = {"Feet", "Yards", "Meters"};
inline constexpr std::array<const char*, 4> autoStartNames = {"Off", "After Powerup", "Above Altitude",
                                                              "On first Trigger"};
inline constexpr std::array<const char*, 3> autoStopNames = {"Off", "After Time", "Below Altitude"};
inline constexpr std::array<const char*, 4> autoZeroNames = {"Off", "On First Trigger", "On Powerup",
                                                             "On Start Recording"};
// The auto zero row that the F5J check box "Auto Zero Altitude on Powerup" stands for.
inline constexpr int kAutoZeroOnPowerup = 2;

// The row a record byte selects in a group of `rows` rows: a value beyond the last row (an erased module answers
// 0xFF) selects the last row, so no index runs past a table.
int groupRow(unsigned value, int rows);

// The number a user typed into an edit: the decimal number at its start (after blanks), 0 when there is none.
std::int32_t editNumber(const QString& text);

// The unit name shown beside the altitude edits for a row of the units group.
QString unitName(int row);

// The caption of the display option: modules from version 3 have a backlight, older ones blank their display.
QString blankCaption(std::uint8_t moduleVersion);

// A track bar of the F5J group.
struct TrackBarSpec {
    int minimum;
    int maximum;
    int step;
};
inline constexpr TrackBarSpec kZCutBar{100, 1500, 50}; // throttle cut-off altitude
inline constexpr TrackBarSpec kT1Bar{10, 300, 5};      // throttle cut-off time limit (s)
inline constexpr TrackBarSpec kT2Bar{10, 300, 5};      // throttle re-enable delay (s)

// Where a track bar settles: kept within its range, and a position between two steps moves up to the next step.
int snapTrackBar(int position, const TrackBarSpec& bar);

// The values the window's controls can give a field of the record (the Configure page, the module setup dialog):
// groups their rows, check boxes 0 and 1, edits what they store, the interval editor one base interval or more.
// A field without a control (signature, baseInterval, the reserved ones) has none: it goes back as it was read.
struct FieldRange {
    long long lowest;
    long long highest;
};
std::optional<FieldRange> controlRange(int field);

// What the Configure page shows of the configuration record (everything but the interval editor).
struct ConfigControls {
    int unitsRow = 0;
    bool blankChecked = true;
    QString blankCaption = QStringLiteral("Blank display after 30 seconds");
    bool trigChecked = false;
    bool revTrigChecked = false;
    int zCutBar = kZCutBar.minimum;
    int t1Bar = kT1Bar.minimum;
    int t2Bar = kT2Bar.minimum;
    int autoStartRow = 0;
    int autoStopRow = 0;
    int autoZeroRow = 0;
    bool autoZeroChecked = false;
    QString autoStartSecText = QStringLiteral("10");
    QString autoStartAltitudeText = QStringLiteral("20");
    QString autoStopSecText = QStringLiteral("60");
    QString autoStopAltitudeText = QStringLiteral("15");
    // F5J module: the F5J group and the auto-zero check box are shown instead of the three auto groups.
    bool f5jVisible = false;

    QString unitsText() const { return unitName(unitsRow); }

    // The auto-zero check box clicked: "On Powerup" when checked, "Off" when cleared.
    void setAutoZeroChecked(bool checked);
};

// The controls for a record just read from the module.
ConfigControls controlsFromConfig(const ModuleConfig& config, bool f5jModule);

// Takes the controls into the record before it is written. Edit texts are read as decimal integers (a text without
// a number gives 0); the seconds are kept within 0..65535 and their edit then shows the stored value; the
// altitudes are stored as their low 16 bits. The interval becomes intervalTicks (see intervalTicksFor).
void applyControls(ConfigControls& controls, ModuleConfig& config, bool f5jModule, std::uint32_t recordInterval);

} // namespace vimo
