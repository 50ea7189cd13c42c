#include "app/plotview/PlotBox.h"

#include "app/plotview/FlightsTableModel.h"
#include "data/AltitudeAxis.h"
#include "data/Plot.h"
#include "data/SetView.h"
#include "plot/CursorValues.h"
#include "plot/DataEditor.h"
#include "plot/DragRules.h"
#include "plot/LaunchEndDrag.h"
#include "plot/Navigation.h"
#include "plot/PixelMapping.h"
#include "plot/PlotLegend.h"
#include "plot/PlotRenderer.h"
#include "plot/Readout.h"
#include "plot/ReadoutBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

constexpr QPoint kNoCircle{-10, -10};
constexpr int kCircleRadius = 5;
const QColor kCursorColour(0, 255, 255); // cyan
// One notch of the wheel scales both spans by this (forwards zooms in).
constexpr double kWheelNotchFactor = 0.8;
// The read-out box keeps this many pixels from the legend.
constexpr int kReadoutGap = 4;

DataAreaPixels dataArea(const PlotLayout& l)
{
    return {l.plotLeft, l.plotTop, l.plotRight, l.plotBottom};
}

// The size in inches that the renderer turns back into exactly `pixels` (its truncation must not lose one to
// rounding).
double inchesFor(int pixels, int ppi)
{
    double inches = double(pixels) / ppi;
    while (std::trunc(double(ppi) * inches) < pixels)
        inches = std::nextafter(inches, pixels + 1.0);
    return inches;
}

} // namespace

PlotBox::PlotBox(Plot& plot, DataEditor& editor, QWidget* parent) : QWidget(parent), m_plot(plot), m_editor(editor)
{
    setObjectName(QStringLiteral("PlotBox"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 120);
}

void PlotBox::setLegendShown(bool shown)
{
    if (m_legend == shown)
        return;
    m_legend = shown;
    refresh();
}

void PlotBox::setCursorReadoutShown(bool shown)
{
    m_cursorReadout = shown;
    m_cursorX = -1;
    update();
}

void PlotBox::setClimbRateShown(bool shown)
{
    if (m_climbRate == shown)
        return;
    m_climbRate = shown;
    refresh();
}

void PlotBox::setActiveSet(int k)
{
    if (m_activeSet == k)
        return;
    m_activeSet = k;
    m_launchEndFlight = -1;
    if (m_flightMarks || m_climbRate)
        refresh(); // the marks and the climb-rate curve belong to the active data set
}

void PlotBox::setFlightMarksShown(bool shown)
{
    if (m_flightMarks == shown)
        return;
    m_flightMarks = shown;
    m_launchEndFlight = -1;
    refresh();
}

const FlightReport* PlotBox::shownFlights() const
{
    return m_flightMarks && m_flights ? m_flights->report(m_activeSet) : nullptr;
}

int PlotBox::launchEndMarkAt(const QPoint& pos) const
{
    const FlightReport* report = shownFlights();
    if (!report || !isOnDataArea(dataArea(m_layout), pos.x(), pos.y()))
        return -1;
    return launchenddrag::markAt(m_plot, dataArea(m_layout), *report, pos.x(), activeTimeShift());
}

double PlotBox::activeTimeShift() const
{
    return hasActiveSet() ? setView(m_plot, m_plot.signals.at(m_activeSet)).timeShift : 0.0;
}

void PlotBox::refresh()
{
    m_stale = true;
    m_circle = kNoCircle;
    update();
    Q_EMIT refreshed();
}

void PlotBox::renderPicture()
{
    const qreal ratio = devicePixelRatioF();
    m_picture = QImage(size() * ratio, QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(ratio);
    const int ppiX = std::max(logicalDpiX(), 1);
    const int ppiY = std::max(logicalDpiY(), 1);
    PrintSettings page; // the screen's own page: the box's size, no offset, in colour; the stored settings stay
    page.widthInches = inchesFor(width(), ppiX);
    page.heightInches = inchesFor(height(), ppiY);
    page.inColor = true;
    QPainter painter(&m_picture);
    RenderOptions options;
    options.legend = m_legend;
    options.flights = shownFlights();
    options.activeSet = m_activeSet;
    options.climbRate = m_climbRate;
    m_layout = renderPlot(painter, ppiX, ppiY, m_plot, page, options);
    m_stale = false;
}

void PlotBox::paintEvent(QPaintEvent* /*event*/)
{
    if (m_stale || m_picture.size() != size() * devicePixelRatioF())
        renderPicture();
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);

    painter.setBrush(Qt::NoBrush);
    if (m_circle != kNoCircle) {
        painter.setPen(QPen(kCursorColour, 2));
        painter.drawEllipse(m_circle, kCircleRadius, kCircleRadius);
    }
    painter.setPen(QPen(kCursorColour, 1, Qt::DashLine));
    if (m_zoomDrag)
        painter.drawRect(QRect(m_anchor.pixel, m_current.pixel).normalized());
    if (m_climbDrag) {
        painter.drawLine(m_anchor.pixel.x(), m_layout.plotTop, m_anchor.pixel.x(), m_layout.plotBottom);
        painter.drawLine(m_current.pixel.x(), m_layout.plotTop, m_current.pixel.x(), m_layout.plotBottom);
    }
    if (m_launchEndFlight >= 0) {
        painter.setPen(QPen(kCursorColour, 2));
        painter.drawLine(m_launchEndX, m_layout.plotTop, m_launchEndX, m_layout.plotBottom);
    }
    paintCursorReadout(painter);
}

QRect PlotBox::readoutBoxRect() const
{
    return m_cursorX < 0 ? QRect() : readoutBoxRect(cursorLineValues());
}

CursorValues PlotBox::cursorLineValues() const
{
    return cursorValues(m_plot, valueAtPixel(m_plot, dataArea(m_layout), m_cursorX, 0).t);
}

QRect PlotBox::readoutBoxRect(const CursorValues& values) const
{
    const QRect area(QPoint(m_layout.plotLeft, m_layout.plotTop), QPoint(m_layout.plotRight, m_layout.plotBottom));
    QRect box = placeReadoutBox(readoutBoxSize(fontMetrics(), values), m_cursorX, area);
    // The legend stays readable: the box moves below it where it would cover it and there is room.
    const QRect legend = m_legend ? m_layout.legend.box : QRect();
    if (box.intersects(legend) && legend.bottom() + kReadoutGap + box.height() <= area.bottom())
        box.moveTop(legend.bottom() + kReadoutGap);
    return box;
}

void PlotBox::paintCursorReadout(QPainter& painter) const
{
    if (m_cursorX < 0)
        return;
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawLine(m_cursorX, m_layout.plotTop, m_cursorX, m_layout.plotBottom);
    const CursorValues values = cursorLineValues();
    painter.setFont(font());
    paintReadoutBox(painter, readoutBoxRect(values), values);
}

void PlotBox::moveCursorLine(const QPoint& pos)
{
    const int x = m_cursorReadout && isOnDataArea(dataArea(m_layout), pos.x(), pos.y()) ? pos.x() : -1;
    if (x == m_cursorX)
        return;
    m_cursorX = x;
    update(); // the box moves with the line and may change its size
}

void PlotBox::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    moveCursorLine({-1, -1});
}

void PlotBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_stale = true;
    m_circle = kNoCircle;
}

QRect PlotBox::overlayRect() const
{
    QRect r;
    if (m_circle != kNoCircle)
        r = QRect(m_circle, m_circle)
                .adjusted(-kCircleRadius - 2, -kCircleRadius - 2, kCircleRadius + 2, kCircleRadius + 2);
    if (m_zoomDrag)
        r |= QRect(m_anchor.pixel, m_current.pixel).normalized().adjusted(-2, -2, 2, 2);
    if (m_climbDrag) {
        const int left = std::min(m_anchor.pixel.x(), m_current.pixel.x());
        const int right = std::max(m_anchor.pixel.x(), m_current.pixel.x());
        r |= QRect(QPoint(left - 2, m_layout.plotTop - 2), QPoint(right + 2, m_layout.plotBottom + 2));
    }
    if (m_launchEndFlight >= 0)
        r |= QRect(QPoint(m_launchEndX - 3, m_layout.plotTop - 2), QPoint(m_launchEndX + 3, m_layout.plotBottom + 2));
    return r;
}

bool PlotBox::hasActiveSet() const
{
    return m_plot.signals.isValidIndex(m_activeSet);
}

bool PlotBox::trackMouse(const QPoint& pos)
{
    if (!isOnDataArea(dataArea(m_layout), pos.x(), pos.y()) || !hasActiveSet())
        return false;
    const QRect before = overlayRect();
    const DragPoint here{pos, valueAtPixel(m_plot, dataArea(m_layout), pos.x(), pos.y())};
    if ((m_mode == Zoom && !m_zoomDrag) || (m_mode == Climb && !m_climbDrag))
        m_anchor = here;
    if (m_mode != Peak)
        m_current = here;

    // A data set without samples has no nearest sample: no read-out, no circle, nothing to tag or measure.
    const std::optional<CursorReadout> cursor = cursorReadout(m_plot, m_activeSet, here.value.t);
    m_cursorSample = cursor ? cursor->sample : -1;
    m_climbEnd = m_cursorSample;
    const std::optional<PlotPoint> point = cursor ? samplePoint(m_plot, m_activeSet, cursor->sample) : std::nullopt;
    if (cursor && point) {
        Q_EMIT readout(cursor->position, cursor->rate.value_or(QString()));
        const PixelMapper map(m_plot, m_layout);
        m_circle = {m_layout.plotLeft + map.timeToPixel(point->t), m_layout.plotTop + map.altitudeToPixel(point->a)};
    } else {
        m_circle = kNoCircle;
    }
    update(before | overlayRect());
    return true;
}

void PlotBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    moveCursorLine(pos);
    if (m_panDrag) {
        panTo(pos);
        return;
    }
    if (m_launchEndFlight >= 0) {
        const QRect before = overlayRect();
        const DataAreaPixels area = dataArea(m_layout);
        m_launchEndX = std::clamp(pos.x(), area.left, area.right);
        update(before | overlayRect());
    } else {
        // The mark's own cursor says that it can be taken; Space held offers the plot to be dragged.
        if (launchEndMarkAt(pos) >= 0)
            setCursor(Qt::SizeHorCursor);
        else if (m_spaceHeld)
            setCursor(Qt::OpenHandCursor);
        else
            unsetCursor();
    }
    trackMouse(pos);
}

void PlotBox::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (pressForView(event))
        return;
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && hasActiveSet()) {
        m_launchEndFlight = launchEndMarkAt(pos);
        if (m_launchEndFlight >= 0) {
            m_launchEndX = pos.x();
            update(overlayRect());
            return;
        }
    }
    trackMouse(pos); // the press point is where a drag starts
    if (!hasActiveSet())
        return;
    switch (m_mode) {
    case Zoom:
        if (event->button() == Qt::LeftButton)
            m_zoomDrag = true;
        break;
    case Climb:
        m_climbDrag = true;
        m_climbStart = m_cursorSample;
        break;
    case Peak:
        m_editor.togglePeak(m_activeSet, m_cursorSample);
        refresh();
        break;
    }
}

// The middle button, or the left one with Space held, takes the plot to drag it; the left button on a legend row
// hides or shows its data set. Both work alike in every mouse mode.
bool PlotBox::pressForView(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool panButton = event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && m_spaceHeld);
    if (panButton && !m_panDrag && isOnDataArea(dataArea(m_layout), pos.x(), pos.y())) {
        m_panDrag = true;
        m_panStart = pos;
        m_panRange = m_plot.range();
        setCursor(Qt::ClosedHandCursor);
        return true;
    }
    if (event->button() != Qt::LeftButton || !m_legend)
        return false;
    const int k = legendEntryAt(m_layout, pos.x(), pos.y());
    if (!m_plot.signals.isValidIndex(k))
        return false;
    m_editor.setDataSetVisible(k, !m_plot.signals.at(k).altitude.visible);
    return true;
}

// The value under the press point stays under the mouse.
void PlotBox::panTo(const QPoint& pos)
{
    const double width = std::max(m_layout.plotRight - m_layout.plotLeft, 1);
    const double height = std::max(m_layout.plotBottom - m_layout.plotTop, 1);
    const double dt = (pos.x() - m_panStart.x()) * (m_panRange.xMax - m_panRange.xMin) / width;
    const double da = (pos.y() - m_panStart.y()) * (m_panRange.yMax - m_panRange.yMin) / height;
    m_plot.setRange({m_panRange.xMin - dt, m_panRange.xMax - dt, m_panRange.yMin + da, m_panRange.yMax + da});
    Q_EMIT viewChanged();
}

void PlotBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_spaceHeld = true;
    if (!m_panDrag)
        setCursor(Qt::OpenHandCursor);
}

void PlotBox::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat())
        return;
    m_spaceHeld = false;
    if (!m_panDrag)
        unsetCursor();
}

void PlotBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_panDrag && (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton)) {
        panTo(event->position().toPoint());
        m_panDrag = false;
        if (m_spaceHeld)
            setCursor(Qt::OpenHandCursor);
        else
            unsetCursor();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (m_launchEndFlight >= 0) {
        finishLaunchEndDrag(event->position().toPoint());
        return;
    }
    trackMouse(event->position().toPoint()); // the release point is where a drag ends
    if (m_mode == Zoom && m_zoomDrag) {
        m_zoomDrag = false;
        zoomToDrag(m_plot, m_anchor.value, m_current.value);
        Q_EMIT viewChanged();
    } else if (m_mode == Climb && m_climbDrag && hasActiveSet()) {
        m_climbDrag = false;
        m_editor.placeRateMark(m_activeSet, m_climbStart, m_climbEnd, m_anchor.value, m_current.value);
        refresh();
    }
}

void PlotBox::finishLaunchEndDrag(const QPoint& pos)
{
    const int flight = m_launchEndFlight;
    m_launchEndFlight = -1;
    update();
    const FlightReport* report = shownFlights();
    if (!report || flight >= int(report->flights.size()))
        return;
    const DataAreaPixels area = dataArea(m_layout);
    const int x = std::clamp(pos.x(), area.left, area.right);
    const double time =
        launchenddrag::launchEndAt(m_plot, area, report->flights[std::size_t(flight)], x, activeTimeShift());
    Q_EMIT launchEndMoved(m_activeSet, flight, time);
}

void PlotBox::wheelEvent(QWheelEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const double notches = event->angleDelta().y() / 120.0;
    if (!isOnDataArea(dataArea(m_layout), pos.x(), pos.y()) || notches == 0) {
        event->ignore();
        return;
    }
    zoomAt(m_plot, valueAtPixel(m_plot, dataArea(m_layout), pos.x(), pos.y()), std::pow(kWheelNotchFactor, notches));
    Q_EMIT viewChanged();
    event->accept();
}

} // namespace vimo
