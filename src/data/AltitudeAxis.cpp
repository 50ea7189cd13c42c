#include "data/AltitudeAxis.h"

#include "data/Plot.h"

namespace vimo {

AltitudeUnit axisUnit(const Plot& plot)
{
    switch (plot.altitudeAxis) {
    case AltitudeAxisChoice::Meters:
        return AltitudeUnit::Meters;
    case AltitudeAxisChoice::Feet:
        return AltitudeUnit::Feet;
    case AltitudeAxisChoice::AsRecorded:
        break;
    }
    for (int k = 0; k < plot.signals.size(); ++k) {
        const AltitudeUnit unit = plot.signals.at(k).unit;
        if (unit != AltitudeUnit::Unknown)
            return unit;
    }
    return AltitudeUnit::Unknown;
}

double toAxisFactor(const Plot& plot, const DataSet& set)
{
    return unitFactor(set.unit, axisUnit(plot));
}

bool unitsMixed(const Plot& plot)
{
    const AltitudeUnit axis = axisUnit(plot);
    for (int k = 0; k < plot.signals.size(); ++k) {
        const AltitudeUnit unit = plot.signals.at(k).unit;
        if (unit != AltitudeUnit::Unknown && unit != axis)
            return true;
    }
    return false;
}

QString axisLabel(const Plot& plot)
{
    if (plot.altitudeAxis == AltitudeAxisChoice::AsRecorded && !unitsMixed(plot))
        return plot.yLabel;
    const AltitudeUnit unit = axisUnit(plot);
    const AltitudeUnit named = unitNamedBy(plot.yLabel);
    if (unit == AltitudeUnit::Unknown || named == AltitudeUnit::Unknown || named == unit)
        return plot.yLabel;
    return unitLabel(unit);
}

QString dataSetAltitudeLabel(const Plot& plot, const DataSet& set)
{
    const QString axis = axisLabel(plot);
    if (set.unit == AltitudeUnit::Unknown) {
        if (!set.altitudeLabel.isEmpty())
            return set.altitudeLabel;
        // Such a set is drawn as if it were in the axis unit. Under a label naming another unit (a plot label that
        // does not match its data) it would come back in that other unit: it is written in the axis unit's label.
        const AltitudeUnit shown = axisUnit(plot);
        const AltitudeUnit named = unitNamedBy(axis);
        return shown != AltitudeUnit::Unknown && named != AltitudeUnit::Unknown && named != shown ? unitLabel(shown)
                                                                                                  : axis;
    }
    if (unitNamedBy(axis) == set.unit)
        return axis;
    if (unitNamedBy(set.altitudeLabel) == set.unit)
        return set.altitudeLabel;
    return unitLabel(set.unit);
}

} // namespace vimo
