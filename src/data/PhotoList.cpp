#include "data/PhotoList.h"

#include "data/AltitudeAxis.h"
#include "data/CFormat.h"
#include "data/FileLines.h"
#include "data/Plot.h"
#include "data/TextRules.h"

namespace vimo {

QByteArray photoListBytes(const Plot& plot, int k)
{
    QByteArray out;
    if (!plot.signals.isValidIndex(k))
        return out;
    const DataSet& set = plot.signals.at(k);
    // The altitudes are the data set's own, so the header names its unit.
    const QString yLabel = dataSetAltitudeLabel(plot, set);
    for (const QString* text : {&plot.title, &plot.xLabel, &yLabel, &set.notes[0], &set.notes[1], &set.notes[2]})
        filelines::appendTextLine(out, *text, text::kLineChars);
    out += "# pic    time   altitude";
    out += filelines::kLineEnd;
    const SampleSeries& triggers = set.trigger.series;
    for (int t = 0; t < triggers.count(); ++t) {
        cformat::appendInteger(out, t + 1, 5);
        out += ", ";
        cformat::appendGeneral(out, triggers.time(t), 6, 6);
        out += ", ";
        cformat::appendGeneral(out, triggers.altitude(t), 6, 6);
        out += filelines::kLineEnd;
    }
    return out;
}

SaveStatus savePhotoList(const QString& path, const Plot& plot, int k, QString* reason)
{
    if (!plot.signals.isValidIndex(k)) {
        if (reason)
            *reason = noDataSetMessage();
        return SaveStatus::NoDataSet;
    }
    return saveBytes(path, photoListBytes(plot, k), reason);
}

} // namespace vimo
