#pragma once

#include "data/AltitudeUnit.h"

#include <QString>

namespace vimo {

struct DataSet;
struct Plot;

// The plot's altitude axis and the units of its data sets. Every data set keeps the unit it was recorded in; the
// axis shows one unit, and what is drawn, scaled, measured or saved as an axis value is converted into it on the
// fly. The visible range and the home range are in the axis unit.

// The unit of the altitude axis: the chosen one, or with "As Recorded" the unit of the first data set that knows
// its unit. Unknown when no data set does: then nothing is converted.
AltitudeUnit axisUnit(const Plot& plot);

// What the altitudes of data set `set` are multiplied by to be in the axis unit; exactly 1 when the set is in the
// axis unit or either unit is unknown.
double toAxisFactor(const Plot& plot, const DataSet& set);

// Whether some data set is drawn converted into the axis unit: the legend then names every data set's unit.
bool unitsMixed(const Plot& plot);

// The label the altitude axis is drawn with and a plot file's header carries. With "As Recorded" and nothing
// converted (every data set in one unit) it is the plot's yLabel, exactly as a plot of one unit always showed and
// saved it, even where a loaded data set file named another unit. Otherwise it is the yLabel while that names the
// axis unit or no unit at all (or the axis unit is unknown), else the axis unit's own label.
QString axisLabel(const Plot& plot);

// The altitude label a data set's file block is written with, naming the unit its samples are in: the axis label
// when that names the set's unit (so a plot in one unit is written as it always was), else the label the set came
// with when that names its unit, else its unit's own label. A data set of unknown unit keeps the label it came
// with, or takes the axis label when it came with none (the axis unit's own label where the axis label names
// another unit, so that it is read back in the unit it was drawn in).
QString dataSetAltitudeLabel(const Plot& plot, const DataSet& set);

} // namespace vimo
