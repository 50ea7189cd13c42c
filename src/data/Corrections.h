#pragma once

#include "data/Colour.h"

#include <QString>
#include <array>
#include <cstdint>

namespace vimo {

struct Plot;
class DataSetList;
class SampleSeries;

// What the Data Properties dialog shows and edits for one data set. The four transform values are texts as the
// edits hold them.
struct DataSetProperties {
    QString name;
    Colour lineColor = 0;
    Colour pointColor = 0;
    Colour triggerColor = 0;
    std::int32_t lineStyle = 0;
    std::int32_t pointStyle = 0;
    std::int32_t triggerStyle = 0;
    QString timeOffset;
    QString altitudeOffset;
    QString timeScale;
    QString altitudeScale;
    std::array<QString, 3> notes;
    bool hasTriggerData = false; // "Export Photo Info" is offered only then
};

// The properties of data set k, with the transform values written as "%lf" (0.000000, 1.000000). Default values
// when k is not a data set.
DataSetProperties dataSetProperties(const DataSetList& list, int k);

// Apply: writes colours, styles, name and notes into data set k and shifts its samples (altitude and trigger
// series) by the typed time and altitude offsets when they exceed 0.00001 in magnitude; offsets that do not parse
// count as 0. The scale texts set the scale fields when they parse. The transform offsets stay as they were, so a
// second Apply shifts again. Returns false (nothing changed) when k is not a data set.
bool applyDataSetProperties(DataSetList& list, int k, const DataSetProperties& properties);

// Why Fix Drift did or did not change a data set.
enum class DriftResult {
    Fixed,
    NoDataSet,     // k is not a data set
    TooFewSamples, // fewer than 10 samples: the search window at the start is empty
    NoLowPoint,    // a search window holds no altitude below 99999
};

// Fix Drift: removes the linear drift between the lowest point of the first tenth and that of the last tenth of
// data set k, flattens the data before the first and after the second at the first's altitude, refreshes the
// trigger altitudes, rescales the altitude axis and rewrites "max=" in the plot's third info line. Changes nothing
// unless it answers Fixed.
DriftResult fixDrift(Plot& plot, int k);

// A sentence for the user saying why Fix Drift changed nothing; empty for Fixed.
QString driftMessage(DriftResult result);

// Fix Offset: lowers data set k (both series) so that its lowest altitude becomes 0, rescales the altitude axis
// and rewrites "max=" in the set's Note 3. Returns false when k is not a data set.
bool fixOffset(Plot& plot, int k);

// Trigger altitudes after the altitude series changed: each trigger sample takes the altitude of the last altitude
// sample (in index order) whose time lies within 0.001 s of its own; one without such a sample keeps its altitude.
void refreshTriggerAltitudes(const SampleSeries& samples, SampleSeries& triggers);

// The text with everything from its first "max=" on replaced by "max=%lg" of `max`, cut to 255 characters; a
// text without "max=" is returned as it is.
QString rewriteMax(const QString& text, double max);

} // namespace vimo
