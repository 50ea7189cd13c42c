#include "plot/ScaleDialogRules.h"

#include "data/AutoScale.h"
#include "data/CFormat.h"

#include <cmath>

namespace vimo {
namespace {

constexpr int kScaleTextChars = 39;

void parseInto(const QString& text, double& value)
{
    const QByteArray bytes = text.left(kScaleTextChars).toUtf8();
    double parsed = 0;
    if (cformat::parseDouble(std::string_view(bytes.constData(), std::size_t(bytes.size())), parsed))
        value = parsed;
}

QString axisProblem(double min, double max, const char* axis)
{
    if (!(min < max))
        return QStringLiteral("%1 Min must be less than %1 Max.").arg(QLatin1String(axis));
    if (!std::isfinite(max - min))
        return QStringLiteral("%1 range is too large.").arg(QLatin1String(axis));
    return {};
}

} // namespace

QString scaleValueText(double value)
{
    return QString::fromLatin1(cformat::general(value, 15));
}

ScaleTexts scaleTextsFor(const Plot& plot)
{
    return {scaleValueText(plot.xMin), scaleValueText(plot.xMax), scaleValueText(plot.yMin), scaleValueText(plot.yMax)};
}

ScaleTexts autoScaleTexts(Plot& plot)
{
    autoScaleTime(plot);
    autoScaleAltitude(plot);
    ScaleTexts texts = scaleTextsFor(plot);
    texts.xMin = QStringLiteral("0");
    return texts;
}

PlotRange rangeFromScaleTexts(const PlotRange& current, const ScaleTexts& texts)
{
    PlotRange r = current;
    parseInto(texts.xMin, r.xMin);
    parseInto(texts.xMax, r.xMax);
    parseInto(texts.yMin, r.yMin);
    parseInto(texts.yMax, r.yMax);
    return r;
}

QString scaleRangeProblem(const PlotRange& range)
{
    const QString time = axisProblem(range.xMin, range.xMax, "Time");
    return time.isEmpty() ? axisProblem(range.yMin, range.yMax, "Altitude") : time;
}

QString acceptScaleTexts(Plot& plot, const ScaleTexts& texts, ScaleCheck check)
{
    const PlotRange range = rangeFromScaleTexts(plot.range(), texts);
    if (check == ScaleCheck::RefuseInvalid) {
        const QString problem = scaleRangeProblem(range);
        if (!problem.isEmpty())
            return problem;
    }
    plot.setRange(range);
    plot.homeRange = range;
    return {};
}

} // namespace vimo
