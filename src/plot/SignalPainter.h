#pragma once

#include "data/SetView.h"
#include "data/Signal.h"

#include <QColor>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <vector>

class QPainter;

namespace vimo {

struct Plot;
struct PlotLayout;
class PixelMapper;

// Pen styles of the line styles 1..5; false for 0 and every unknown index, which draw no line.
bool linePenStyle(std::int32_t lineStyle, Qt::PenStyle& style);

// Draws Signals inside the clipped data area: the line, the markers, the tag marks and the rate marks.
class SignalPainter {
public:
    struct Context {
        QPainter& painter;
        const Plot& plot;
        const PlotLayout& layout;
        const PixelMapper& mapper;
        int ppiX;
        int ppiY;
        bool inColor;
        QColor textColour; // tag and rate texts
        QColor background; // fill of markers and text cells
        QRect clip;        // the data area; what lies wholly outside it is not drawn at all
        bool everySample;  // draw lines through every sample (the reference drawing)
    };

    explicit SignalPainter(const Context& context) : m_c(context) {}

    // One Signal; `rateMarks` is the data set's table for an altitude Signal and null for a trigger Signal.
    // `view` places the data set's samples on the axes (its time shift and its altitudes' factor into the axis
    // unit); the samples stay as they are.
    void paint(const Signal& signal, const std::array<RateMark, kRateMarkSlots>* rateMarks, const SetView& view = {});

    // The device pixels of the samples of the Signal painted last, in sample order.
    const std::vector<QPoint>& points() const { return m_points; }

private:
    void computePositions(const Signal& signal);
    void paintLine(const Signal& signal);
    void paintMarkers(const Signal& signal);
    void paintTags(const Signal& signal);
    void paintRateMarks(const Signal& signal, const std::array<RateMark, kRateMarkSlots>& marks);
    void paintMarker(int style, QPoint at, int w, int h, int penWidth, const QColor& colour);
    bool outsideClip(const QRect& box) const { return !box.intersects(m_c.clip); }

    Context m_c;
    SetView m_view; // of the Signal being painted
    std::vector<QPoint> m_points;
    std::vector<QPoint> m_reduced;
    std::vector<QLine> m_segments;
};

} // namespace vimo
