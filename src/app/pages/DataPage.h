#pragma once

#include <QWidget>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QSplitter;

namespace vimo {

class FlightsPanel;
class PlotBox;
class PlotSession;

// The "Recorded Data" page shows a plot session: the plot box with its zoom, pan, reset and crop buttons, the
// "Mouse" modes, the active data set, the statistics of the visible range, and the buttons that run the session's
// commands (scale, data and plot properties, load, save, export, print). Under the plot, a panel that can be
// hidden holds the Flights table: choosing a flight makes its data set the active one and shows the flight.
//
// The session's commands are actions of the page as well, so that their keys (the plot keys among them) act only
// while the page is shown, whichever of its controls has the focus.
class DataPage : public QWidget {
    Q_OBJECT
public:
    explicit DataPage(PlotSession& session, QWidget* parent = nullptr);

    PlotSession& session() const { return m_session; }
    PlotBox* plotBox() const { return m_plotBox; }
    FlightsPanel* flightsPanel() const { return m_flightsPanel; }

    // The View menu's toggle of the Flights table under the plot.
    QAction* flightsTableAction() const { return m_flightsTable; }

    // The hidden "Show Points" box (remembered between runs).
    bool showPoints() const;
    void setShowPoints(bool on);

Q_SIGNALS:
    // New texts for the status bar's cursor (XYDisp) and rate-of-climb (ROCDisp) read-outs.
    void readout(const QString& position, const QString& rateOfClimb);

protected:
    // Leaving the page clears the window's read-outs; the rate of climb text starts afresh.
    void hideEvent(QHideEvent* event) override;

private:
    QSplitter* buildPlotArea();
    QWidget* buildControls();
    QWidget* buildZoomGroup(QWidget* parent);
    QWidget* buildPanGroup(QWidget* parent);
    QWidget* buildMouseGroup(QWidget* parent);
    void connectSession();
    void showActiveSet(int k);
    void updateStats();

    PlotSession& m_session;
    PlotBox* m_plotBox;
    FlightsPanel* m_flightsPanel;
    QAction* m_flightsTable;
    QComboBox* m_activeSetBox = nullptr;
    QButtonGroup* m_mouseModes = nullptr;
    QCheckBox* m_showPointsBox = nullptr;
    QLabel* m_statsLine = nullptr;
    QString m_rateText;
};

} // namespace vimo
