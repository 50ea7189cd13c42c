#pragma once

#include "data/Colour.h"
#include "data/DataSetList.h"

#include <QString>

namespace vimo {

// A visible (or home) range: time xMin..xMax in seconds, altitude yMin..yMax in the altitude axis's unit.
struct PlotRange {
    double xMin = 0;
    double xMax = 20;
    double yMin = 0;
    double yMax = 20;
    friend bool operator==(const PlotRange&, const PlotRange&) = default;
};

// The unit the altitude axis shows: that of the first data set that knows its unit, or metres or feet whatever the
// data sets were recorded in.
enum class AltitudeAxisChoice { AsRecorded, Meters, Feet };

// The single plot record: colours, the data sets (the signal list), the visible range and the text lines, with the
// view state kept beside it (home range and the three view flags). Nothing keeps xMin below xMax or yMin below
// yMax: a range typed by the user may be empty or reversed.
struct Plot {
    static constexpr const char* kDefaultTitle = "Altitude versus Time";
    static constexpr const char* kDefaultXLabel = "Time (sec)";
    static constexpr const char* kDefaultYLabel = "Altitude (Feet)";
    static constexpr const char* kFooter1 = "Created by Vimo - Get an Altitude!";
    static constexpr const char* kFooter2 = "www.vimo-altimeter.example";

    // The designed colours: white background, grey grid, black scale and labels, red info text.
    static constexpr Colour kDefaultBackgroundColor = 0xFFFFFF;
    static constexpr Colour kDefaultGridColor = 0x808080;
    static constexpr Colour kDefaultScaleColor = 0x000000;
    static constexpr Colour kDefaultLabelColor = 0x000000;
    static constexpr Colour kDefaultInfoColor = 0x0000FF;

    Colour backgroundColor = kDefaultBackgroundColor;
    Colour gridColor = kDefaultGridColor;
    Colour scaleColor = kDefaultScaleColor;
    Colour labelColor = kDefaultLabelColor;
    Colour infoColor = kDefaultInfoColor;

    DataSetList signals; // data set k = signal-list entries 2k, 2k+1

    double xMin = 0;
    double xMax = 20;
    double yMin = 0;
    double yMax = 20;

    QString title = QString::fromLatin1(kDefaultTitle);
    QString xLabel = QString::fromLatin1(kDefaultXLabel);
    // The altitude-axis label as set by a download, a plot file or the user. The axis is drawn and saved with
    // axisLabel(), which puts the axis unit's own label in its place when it names another unit.
    QString yLabel = QString::fromLatin1(kDefaultYLabel);
    QString info1;
    QString info2;
    QString info3;
    QString footer1 = QString::fromLatin1(kFooter1);
    QString footer2 = QString::fromLatin1(kFooter2);

    // View state beside the record.
    PlotRange homeRange;
    bool showInfo = true;
    bool showBackground = false;
    bool showAvgClimb = false;
    // "Align at Launch": every data set with a known first launch (DataSet::firstLaunch) is shown shifted in time so
    // that the launch lies at 0. Display only: samples and files do not change.
    bool alignAtLaunch = false;
    AltitudeAxisChoice altitudeAxis = AltitudeAxisChoice::AsRecorded;

    PlotRange range() const { return {xMin, xMax, yMin, yMax}; }
    void setRange(const PlotRange& r)
    {
        xMin = r.xMin;
        xMax = r.xMax;
        yMin = r.yMin;
        yMax = r.yMax;
    }
};

} // namespace vimo
