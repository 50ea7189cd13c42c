#include "data/AltitudeAxis.h"
#include "data/CFormat.h"
#include "data/DataFile.h"
#include "data/FileLines.h"
#include "data/Plot.h"
#include "data/TextRules.h"

#include <string_view>
#include <vector>

namespace vimo::datafile {
namespace {

using cformat::appendFixed;
using cformat::appendGeneral;
using cformat::appendInteger;

using filelines::appendTextLine;
using filelines::kLineEnd;

// "%g,%g,%g,%g": the visible range in the order xMin, yMin, xMax, yMax.
void appendRange(QByteArray& out, const Plot& plot)
{
    appendGeneral(out, plot.xMin);
    out += ',';
    appendGeneral(out, plot.yMin);
    out += ',';
    appendGeneral(out, plot.xMax);
    out += ',';
    appendGeneral(out, plot.yMax);
}

// A number as the file carries it: written with 4 decimals and read back.
double asWritten(double value)
{
    const QByteArray text = cformat::fixed(value, 4);
    double read = value;
    return cformat::parseDouble(std::string_view(text.constData(), std::size_t(text.size())), read) ? read : value;
}

// Which altitude samples carry a trigger mark. Each trigger sample marks the first altitude sample, after the one
// marked for the trigger sample before it, whose time is at or after its own; among the samples that share that
// time, the first whose altitude is the trigger sample's own. A trigger sample after the last altitude sample marks
// none. Times and altitudes are compared as the file carries them, so that a file read back marks the very same
// samples again, also where several samples share one time.
std::vector<bool> triggerMarks(const DataSet& set)
{
    const SampleSeries& samples = set.altitude.series;
    const SampleSeries& triggers = set.trigger.series;
    const int count = samples.count();
    std::vector<bool> marked(std::size_t(count), false);
    if (triggers.count() == 0)
        return marked;
    std::vector<double> times(static_cast<std::size_t>(count));
    std::vector<double> altitudes(static_cast<std::size_t>(count));
    for (int j = 0; j < count; ++j) {
        times[std::size_t(j)] = asWritten(samples.time(j));
        altitudes[std::size_t(j)] = asWritten(samples.altitude(j));
    }
    int j = 0;
    for (int t = 0; t < triggers.count(); ++t) {
        const double time = asWritten(triggers.time(t));
        while (j < count && !(times[std::size_t(j)] >= time))
            ++j;
        if (j == count)
            break;
        const double altitude = asWritten(triggers.altitude(t));
        int pick = j;
        for (int i = j; i < count && times[std::size_t(i)] == times[std::size_t(j)]; ++i) {
            if (altitudes[std::size_t(i)] == altitude) {
                pick = i;
                break;
            }
        }
        marked[std::size_t(pick)] = true;
        j = pick + 1;
    }
    return marked;
}

// The sample lines: time, altitude, the trigger mark when the data set shows them, the peak tag.
void appendSamples(QByteArray& out, const DataSet& set, bool withMarks)
{
    const SampleSeries& samples = set.altitude.series;
    const std::vector<bool> marks = withMarks ? triggerMarks(set) : std::vector<bool>();
    for (int j = 0; j < samples.count(); ++j) {
        appendFixed(out, samples.time(j), 4, 9);
        out += ", ";
        appendFixed(out, samples.altitude(j), 4, 9);
        out += ", ";
        if (withMarks) {
            out += marks[std::size_t(j)] ? '1' : '0';
            out += ", ";
        }
        appendInteger(out, samples.tag(j));
        out += kLineEnd;
    }
}

void appendBlock(QByteArray& out, const Plot& plot, const DataSet& set)
{
    appendTextLine(out, set.name(), text::kNameChars);
    appendTextLine(out, plot.xLabel, text::kLineChars);
    appendTextLine(out, dataSetAltitudeLabel(plot, set), text::kLineChars);
    for (const QString& note : set.notes)
        appendTextLine(out, note, text::kLineChars);

    const bool withMarks = set.trigger.visible;
    out += '#';
    appendRange(out, plot);
    out += withMarks ? ",1" : ",0";
    out += kLineEnd;

    appendSamples(out, set, withMarks);

    for (const RateMark& mark : set.rateMarks) {
        if (!mark.inUse)
            continue;
        out += "#C ";
        appendInteger(out, mark.first);
        out += ", ";
        appendInteger(out, mark.second);
        out += kLineEnd;
    }
}

// "! %d, %d, %d, %d, %d, %d": the styles of a data set in a plot file. Colours are written as signed 32-bit
// values, so that one read from a file as a negative number is written back as it was read.
void appendStyleLine(QByteArray& out, const DataSet& set)
{
    const std::int64_t values[] = {
        std::int32_t(set.altitude.lineColor),  set.altitude.lineStyle,
        std::int32_t(set.altitude.pointColor), set.altitude.pointStyle,
        std::int32_t(set.trigger.pointColor),  set.trigger.pointStyle,
    };
    out += '!';
    for (std::size_t i = 0; i < std::size(values); ++i) {
        out += i == 0 ? " " : ", ";
        appendInteger(out, values[i]);
    }
    out += kLineEnd;
}

// Room for a block, so that a large data set is written without repeated reallocation.
qsizetype estimatedBlockSize(const DataSet& set)
{
    return 2048 + qsizetype(set.altitude.series.count()) * 32;
}

} // namespace

QByteArray dataSetFileBytes(const Plot& plot, int k)
{
    QByteArray out;
    if (!plot.signals.isValidIndex(k))
        return out;
    const DataSet& set = plot.signals.at(k);
    out.reserve(estimatedBlockSize(set));
    appendBlock(out, plot, set);
    return out;
}

QByteArray plotFileBytes(const Plot& plot)
{
    qsizetype size = 2048;
    for (int k = 0; k < plot.signals.size(); ++k)
        size += estimatedBlockSize(plot.signals.at(k));
    QByteArray out;
    out.reserve(size);

    out += "Vimo Plot";
    out += kLineEnd;
    const QString yLabel = axisLabel(plot);
    for (const QString* text : {&plot.title, &plot.xLabel, &yLabel, &plot.info1, &plot.info2, &plot.info3})
        appendTextLine(out, *text, text::kLineChars);
    out += '#';
    appendRange(out, plot);
    out += kLineEnd;

    for (int k = 0; k < plot.signals.size(); ++k) {
        appendStyleLine(out, plot.signals.at(k));
        appendBlock(out, plot, plot.signals.at(k));
    }
    return out;
}

} // namespace vimo::datafile
