#include "data/CFormat.h"
#include "data/DataFile.h"
#include "data/FileLines.h"
#include "data/Plot.h"
#include "data/TextRules.h"

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

// The sample lines. The trigger marks are derived from the trigger series: each trigger sample marks the first
// altitude sample, after the one marked for the trigger sample before it, whose time is at or after its own. A
// trigger sample after the last altitude sample marks none.
void appendSamples(QByteArray& out, const DataSet& set, bool withMarks)
{
    const SampleSeries& samples = set.altitude.series;
    const SampleSeries& triggers = set.trigger.series;
    int t = 0;
    for (int j = 0; j < samples.count(); ++j) {
        appendFixed(out, samples.time(j), 4, 9);
        out += ", ";
        appendFixed(out, samples.altitude(j), 4, 9);
        out += ", ";
        if (withMarks) {
            const bool marked = t < triggers.count() && samples.time(j) >= triggers.time(t);
            if (marked)
                ++t;
            out += marked ? '1' : '0';
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
    appendTextLine(out, plot.yLabel, text::kLineChars);
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
        std::int32_t(set.altitude.lineColor), set.altitude.lineStyle, std::int32_t(set.altitude.pointColor),
        set.altitude.pointStyle,              std::int32_t(set.trigger.pointColor), set.trigger.pointStyle,
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
    for (const QString* text : {&plot.title, &plot.xLabel, &plot.yLabel, &plot.info1, &plot.info2, &plot.info3})
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
