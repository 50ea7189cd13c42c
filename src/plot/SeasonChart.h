#pragma once

#include <QColor>
#include <QDate>
#include <QPointF>
#include <QRect>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace vimo {

// One point of the season chart: a flight's value on the day it was downloaded.
struct SeasonPoint {
    QDate day;
    double value = 0;
    int series = 0; // index into SeasonChart::series: the point's colour
    int id = 0;     // handed back when the point is clicked
};

// What the season chart shows: every point against its day, one colour per series (a model), with a legend.
struct SeasonChart {
    std::vector<SeasonPoint> points;
    QStringList series; // the legend, in colour order
    QString valueLabel; // the vertical axis: "Start height (m)", "Duration (min)"
};

// Where a drawing put the points, to find the one under the mouse.
struct SeasonChartLayout {
    QRectF plotArea;
    std::vector<std::pair<QPointF, int>> dots; // centre and id, in drawing order
};

// The colour of series k: a fixed set of colours that tell apart on white, used in turn.
QColor seasonColour(int series);

// Draws the chart into `rect` with its own margins, axes, grid and legend; an empty chart says "No flights". Uses
// nothing but the painter, so that it draws the same into a widget or an image.
SeasonChartLayout drawSeasonChart(QPainter& painter, const QRect& rect, const SeasonChart& chart);

// Rings the points of a drawing whose ids are in `selected`.
void drawSeasonSelection(QPainter& painter, const SeasonChartLayout& layout, std::vector<int> selected);

// The id of the point nearest to `position` within `radius` pixels (the one drawn last on a tie), if any.
std::optional<int> seasonPointAt(const SeasonChartLayout& layout, const QPointF& position, double radius = 6);

} // namespace vimo
