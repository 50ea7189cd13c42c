#pragma once

#include "data/AltitudeUnit.h"
#include "data/Colour.h"
#include "data/SampleSeries.h"

#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <optional>

namespace vimo {

// Line styles of a Signal: index into the pen styles. Values read from files may lie outside this range; they are
// kept as read and drawn as kLineNone.
enum LineStyle : std::int32_t { kLineNone = 0, kLineSolid, kLineDot, kLineDash, kLineDashDot, kLineDashDotDot };
constexpr int kLineStyleCount = 6;

// Point styles of a Signal; out-of-range values are kept and drawn as kPointNone.
enum PointStyle : std::int32_t {
    kPointNone = 0,
    kPointDot,
    kPointCircle,
    kPointSquare,
    kPointCross,
    kPointX,
    kPointDiamond,
    kPointTriangle
};
constexpr int kPointStyleCount = 8;

// A climb-rate annotation between two samples of the altitude series of the same data set.
struct RateMark {
    std::int32_t first = 0;
    std::int32_t second = 0;
    bool inUse = false;
};
constexpr int kRateMarkSlots = 256;

// One drawable series with its display properties.
struct Signal {
    explicit Signal(bool withTags) : series(withTags) {}

    SampleSeries series;
    QString name; // altitude Signal only; at most 19 characters
    Colour lineColor = 0;
    Colour pointColor = 0;
    std::int32_t lineStyle = kLineNone;
    std::int32_t pointStyle = kPointNone;
    double timeOffset = 0;
    double altitudeOffset = 0;
    double timeScale = 1;
    double altitudeScale = 1;
    // Altitude Signal: whether the data set is shown on the plot (its line, markers, tags, rate marks and
    // triggers); display state only, never saved. Trigger Signal: also "this data set carries trigger data".
    bool visible = true;
};

// One recorded flight: the altitude Signal (every sample) and the trigger Signal (copies of the samples at which a
// trigger mark was recorded), created and destroyed together. Rate marks and notes belong to the altitude Signal.
struct DataSet {
    DataSet() : altitude(true), trigger(false) {}

    Signal altitude;
    Signal trigger;
    std::array<RateMark, kRateMarkSlots> rateMarks{};
    std::array<QString, 3> notes; // "Note 1" .. "Note 3", at most 255 characters each
    // The unit the samples were recorded in: the module's unit at download, the unit its block's altitude label
    // names when read from a file. The samples are kept in it, saved in it and analysed in it; the plot converts
    // them for display only.
    AltitudeUnit unit = AltitudeUnit::Unknown;
    // The altitude label the data set came with (its file block's, or the module unit's at download); empty for a
    // data set nobody filled or read from a block without one. A data set of unknown unit is saved with it.
    QString altitudeLabel;
    // The module's data set (0-based) a download filled this data set from, for the name its file is offered
    // under; -1 for a data set that did not come from a download. Not stored in files.
    int moduleSet = -1;
    // The file a load read this data set from (absolute, clean), to find a file that is on the plot already; empty
    // for a data set that came from elsewhere. Not stored in files.
    QString sourceFile;
    // Launch ends the user moved on the plot, by flight number (seconds on the time axis). They belong to this
    // session only and are never saved; they travel with the data set through delete and undo.
    std::map<int, double> launchEnds;
    // The launch of the first flight the flight analysis found, in seconds on the time axis (the time the analysis
    // reports), for "Align at Launch"; none when no flight was found or nobody asked. Display state only, never
    // saved; a crop moves it with the samples.
    std::optional<double> firstLaunch;

    const QString& name() const { return altitude.name; }

    // Stores a rate mark in the lowest free slot; false (dropped) when all 256 are in use.
    bool addRateMark(std::int32_t first, std::int32_t second);
    void clearRateMarks() { rateMarks.fill(RateMark{}); }
    int rateMarkCount() const;

    // Both series emptied (count 0), as download and file load do before filling.
    void clearSamples();

    std::size_t memoryBytes() const;
};

} // namespace vimo
