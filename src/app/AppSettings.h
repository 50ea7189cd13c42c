#pragma once

#include "data/Colour.h"
#include "data/Plot.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

class QSettings;

namespace vimo {

// What the program remembers between runs: the port and speed, the window position, the plot colours and display
// switches, the print size and colour choice, the module option controls of the "Configure" page, the export type
// and the module's base interval. Each member starts at its default.
struct AppSettings {
    static constexpr int kDefaultLeft = 339;
    static constexpr int kDefaultTop = 143;
    static constexpr int kSpeedCount = 6;       // 2400 .. 115200
    static constexpr int kDefaultSpeedIndex = 5; // 115200
    // Export file types: 1 Bitmap, 2 JPEG, 3 GIF, 4 PNG, 5 PDF.
    static constexpr int kExportTypeCount = 5;

    int comPort = 0;                     // row of the port list; -1 selects none
    int baudRate = kDefaultSpeedIndex;   // index into the speed table
    int left = kDefaultLeft;             // window position, pixels
    int top = kDefaultTop;
    bool simulateTarget = false;
    bool showPoints = false;
    bool showInfo = true;
    bool showBackground = false;
    bool showAvgRoc = false;
    bool blankPart = false;
    bool revTrig = false;
    bool triggered = false;
    bool sizeable = false;
    double prtWidth = 7.0;               // inches
    double prtHeight = 3.5;
    bool prtColor = false;
    Colour bgColor = Plot::kDefaultBackgroundColor;
    Colour gridColor = Plot::kDefaultGridColor;
    Colour scaleColor = Plot::kDefaultScaleColor;
    Colour labelColor = Plot::kDefaultLabelColor;
    Colour infoColor = Plot::kDefaultInfoColor;
    int zCut = 100;                      // F5J track bar positions
    int zT1 = 10;
    int zT2 = 10;
    int autoStart = 0;                   // radio group rows
    std::int32_t autoStartSec = 10;      // numbers of the four edits
    std::int32_t autoStartAltitude = 20;
    int autoStop = 0;
    std::int32_t autoStopSec = 60;
    std::int32_t autoStopAltitude = 15;
    int autoZero = 0;
    int exportType = 1;
    std::uint16_t interval = 100;        // the module's base interval, milliseconds
    QString portPath;                    // a device path typed into the port box (then comPort is -1)

    friend bool operator==(const AppSettings&, const AppSettings&) = default;
};

// Reads every value from the group "Settings" of `store`. Each value is read on its own: one that is missing or
// cannot be used (not a 32-bit integer, a print size that is not an 8-byte double) takes its own default and
// costs no other value.
AppSettings readSettings(QSettings& store);

// Writes every value to the group "Settings" of `store`: integers, check boxes as 0 or 1, the print size as 8-byte
// little-endian doubles. Failures are dropped silently.
void writeSettings(QSettings& store, const AppSettings& settings);

// What the running machine offers, to bring stored values into range.
struct SettingsContext {
    int portCount = 0;
    QList<QRect> screens;           // available geometry of every screen
    QSize windowSize{773, 565};
};

// Brings stored values that the program cannot use into range: a port row outside the list selects none, a speed
// outside the table becomes 115200, a position that puts the window on no screen becomes the designed one, an
// unknown export type becomes Bitmap. The window then lands wholly on the screen that shows most of it (at the
// screen's top left edge where it is larger than the screen).
void bringIntoRange(AppSettings& settings, const SettingsContext& context);

} // namespace vimo
