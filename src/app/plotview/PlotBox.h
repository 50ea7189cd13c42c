#pragma once

#include "data/Plot.h"
#include "plot/PlotLayout.h"
#include "plot/PlotPoint.h"

#include <QImage>
#include <QWidget>

namespace vimo {

struct CursorValues;
struct FlightReport;
class DataEditor;
class FlightsTableModel;
struct Plot;

// The plot box of the "Recorded Data" page. It renders the plot at its own size into a picture that it keeps, and
// paints the cursor circle and the zoom or climb band over that picture, so that moving the mouse never renders the
// plot again. The layout of its latest rendering maps mouse positions to values; prints and exports have layouts
// of their own and never change it.
//
// Mouse modes: "Zoom" (drag a rectangle with the left button to view it), "Climb" (drag from one sample to another
// to place a rate mark) and "Peak" (click to tag or untag a sample). While the mouse moves over the data area,
// readout() gives the time and altitude of the active data set's nearest sample and its rate of climb. The wheel
// zooms around the cursor. A click takes the keyboard focus, so that the keys reach the plot.
//
// With the flight marks shown, the active data set's flights are drawn over the plot, and in every mouse mode a
// press within a few pixels of a launch-end mark drags that mark instead: the line follows the mouse, and the
// release reports the new launch end (launchEndMoved()). The flights are analysed again only then, never while
// the mouse moves.
//
// In every mouse mode a drag with the middle button, or with the left one while Space is held, pans the plot, and
// a click on a data set's row of the legend hides or shows that data set (an undo step). With the cursor read-out
// on, a vertical line follows the mouse over the data area with a box of every visible data set's values there.
class PlotBox : public QWidget {
    Q_OBJECT
public:
    enum MouseMode { Zoom = 0, Climb = 1, Peak = 2 }; // the rows of the "Mouse" group

    PlotBox(Plot& plot, DataEditor& editor, QWidget* parent = nullptr);

    MouseMode mouseMode() const { return m_mode; }
    void setMouseMode(MouseMode mode) { m_mode = mode; }

    // The active data set, -1 for none.
    int activeSet() const { return m_activeSet; }
    void setActiveSet(int k);

    // Where the flights of the data sets come from (null: none are drawn), and whether the active data set's
    // flights are marked on the plot (off at start).
    void setFlights(const FlightsTableModel* flights) { m_flights = flights; }
    bool flightMarksShown() const { return m_flightMarks; }
    void setFlightMarksShown(bool shown);

    // The legend of the data sets over the plot (off at start).
    bool legendShown() const { return m_legend; }
    void setLegendShown(bool shown);

    // The cursor line and its read-out box (off at start).
    bool cursorReadoutShown() const { return m_cursorReadout; }
    void setCursorReadoutShown(bool shown);
    // The active data set's climb-rate curve against a right axis (off at start).
    bool climbRateShown() const { return m_climbRate; }
    void setClimbRateShown(bool shown);
    // The x of the cursor line, -1 while none is drawn; the place of its read-out box (empty while none).
    int cursorLineX() const { return m_cursorX; }
    QRect readoutBoxRect() const;
    bool panning() const { return m_panDrag; }

    // The layout of the latest rendering on the screen.
    const PlotLayout& plotLayout() const { return m_layout; }

    // The plot changed: it is rendered afresh for the next paint, and the cursor circle goes with the old picture.
    void refresh();

    // The centre of the cursor circle, (-10, -10) while none is shown; the sample under it (-1 for none).
    QPoint cursorCircle() const { return m_circle; }
    int cursorSample() const { return m_cursorSample; }
    bool zoomDragging() const { return m_zoomDrag; }
    bool climbDragging() const { return m_climbDrag; }
    // The flight whose launch-end mark is being dragged, -1 for none.
    int launchEndDragging() const { return m_launchEndFlight; }

Q_SIGNALS:
    // New read-outs: the position text, and the rate of climb text (null: the read-out keeps its text).
    void readout(const QString& position, const QString& rateOfClimb);
    // The plot was rendered afresh after a change (see refresh()).
    void refreshed();
    // The box changed the plot's visible range itself (a zoom rectangle, the wheel); it shows the change when it
    // is told to refresh, as every other view of the plot does.
    void viewChanged();
    // The user dragged the launch-end mark of flight `flight` of data set `dataSet` to time `time`.
    void launchEndMoved(int dataSet, int flight, double time);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct DragPoint {
        QPoint pixel;
        PlotPoint value;
    };

    void renderPicture();
    // The mouse at `pos`: read-outs, cursor circle, drag points. False when the position is off the data area
    // or no data set is active.
    bool trackMouse(const QPoint& pos);
    bool hasActiveSet() const;
    QRect overlayRect() const;
    // The active data set's flights while their marks are shown, else null.
    const FlightReport* shownFlights() const;
    // The launch-end mark under `pos` (its flight), or -1.
    int launchEndMarkAt(const QPoint& pos) const;
    // The mouse let go of the launch-end mark at `pos`.
    void finishLaunchEndDrag(const QPoint& pos);
    // The view's time shift of the active data set (Align at Launch).
    double activeTimeShift() const;
    // A press that starts a pan or toggles a legend row; false when it is for the mouse mode.
    bool pressForView(QMouseEvent* event);
    void panTo(const QPoint& pos);
    // The cursor line moves to `pos` (off the data area: it goes).
    void moveCursorLine(const QPoint& pos);
    void paintCursorReadout(QPainter& painter) const;
    // The values under the cursor line, and where their box goes.
    CursorValues cursorLineValues() const;
    QRect readoutBoxRect(const CursorValues& values) const;

    Plot& m_plot;
    DataEditor& m_editor;
    QImage m_picture;
    bool m_stale = true;
    bool m_legend = false;
    bool m_flightMarks = false;
    const FlightsTableModel* m_flights = nullptr;
    PlotLayout m_layout;

    MouseMode m_mode = Zoom;
    int m_activeSet = -1;
    bool m_zoomDrag = false;
    bool m_climbDrag = false;
    DragPoint m_anchor;
    DragPoint m_current;
    QPoint m_circle{-10, -10};
    int m_cursorSample = -1;
    int m_climbStart = -1;
    int m_climbEnd = -1;
    int m_launchEndFlight = -1;
    int m_launchEndX = 0;

    bool m_cursorReadout = false;
    bool m_climbRate = false;
    int m_cursorX = -1;
    bool m_spaceHeld = false;
    bool m_panDrag = false;
    QPoint m_panStart;
    PlotRange m_panRange;
};

} // namespace vimo
