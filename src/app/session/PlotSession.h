#pragma once

#include "app/session/PlotCommands.h"
#include "data/Plot.h"
#include "plot/Navigation.h"
#include "plot/PrintSettings.h"

#include <QObject>
#include <functional>

class QWidget;

namespace vimo {

class DataEditor;
class DataFileActions;
class DataPropertiesDialog;
class FlightsTableModel;
class OutputActions;
class PlotInfoDialog;
class ScaleDialog;

// One plot and everything that works on it: the plot record and its data sets, the size and colour of prints and
// exports, the undo stack of data changes, the flights found in the data sets, the data files, export and print,
// the dialogs of the plot, the active data set and the commands of the plot (menus, buttons and keys).
//
// Views show the session and tell it what the user asked for; they never change each other. Whatever changes the
// plot's data or view (a command, a dialog, an undo, a download, a load, a view's own zoom reported through
// notifyChanged()) ends in one changed() signal, on which every view shows the plot afresh.
class PlotSession : public QObject {
    Q_OBJECT
public:
    // `dialogParent` owns the session's dialogs (the file choosers, the output size, scale and properties dialogs)
    // and must outlive the session.
    explicit PlotSession(QWidget* dialogParent);
    ~PlotSession() override;

    Plot& plot() { return m_plot; }
    const Plot& plot() const { return m_plot; }
    PrintSettings& printSettings() { return m_printSettings; }
    DataEditor& editor() { return *m_editor; }
    FlightsTableModel& flights() { return *m_flights; }
    const FlightsTableModel& flights() const { return *m_flights; }
    DataFileActions& files() { return *m_files; }
    const DataFileActions& files() const { return *m_files; }
    OutputActions& output() { return *m_output; }
    const OutputActions& output() const { return *m_output; }
    DataPropertiesDialog& dataProperties() { return *m_dataProperties; }
    const PlotCommands& commands() const { return m_commands; }

    // The active data set (-1 for none): the one the statistics, the cursor read-out, Save, Data Properties and
    // the flight marks work on. A new data set becomes the active one; when the active one is deleted the first
    // becomes active. The data set stays active when others are added or removed before it.
    int activeSet() const;
    void setActiveSet(int k);

    // The unit of the altitude axis (View -> Altitude Unit). Every data set keeps its samples in its own unit; the
    // plot, the read-outs, the statistics and the Flights table show them converted into the axis unit. The view
    // keeps showing the same stretch of the flights.
    void setAltitudeAxis(AltitudeAxisChoice choice);
    AltitudeAxisChoice altitudeAxis() const { return m_plot.altitudeAxis; }

    // View -> Align at Launch: every data set shown with its first launch at time 0, the time axis scaled to fit.
    // A view setting, no undo step; the first launches follow the data sets while it is on.
    void setAlignAtLaunch(bool on);
    bool alignAtLaunch() const { return m_plot.alignAtLaunch; }

    // While a module exchange runs, nothing may change what it works on: Load, Data Properties, Crop, Scale, undo,
    // redo and dropped files are refused.
    void setExchangeRunning(bool running);
    bool exchangeRunning() const { return m_exchangeRunning; }

    // Runs `change` on the plot and tells every view. For what no command covers: restored settings, the start-up
    // state.
    void changePlot(const std::function<void(Plot&)>& change);

    // The view commands: zoom around the centre, back to the home range, pan by a fifth of the span (the page's
    // arrows), and the plot keys (see handlePlotKey; false for a key that is none of them).
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void pan(PanDirection direction);
    bool plotKey(int key, Qt::KeyboardModifiers modifiers);

    // Makes `dataSet` the active data set and shows the time from..to with the altitudes it reaches there (the
    // altitude range stays when it has no sample there): a flight chosen in the Flights table.
    void showFlight(int dataSet, double from, double to);

    // The plot the window starts with: the placeholder data set in the designed ranges.
    void showStartPlaceholder();

    // A data set downloaded from module data set `moduleSet` (0-based) has joined the plot: the placeholder makes
    // way, an otherwise empty plot is scaled to fit, and the next data set file is named after the set.
    void downloadArrived(int moduleSet);

    // Data files dropped anywhere on `window` are loaded as "Load" does, unless an exchange runs.
    void acceptDropsOn(QWidget* window);

public Q_SLOTS:
    // Tells every view that the plot changed: for changes made to the plot record directly (a view's own zoom).
    void notifyChanged();

Q_SIGNALS:
    // The plot's data or view changed: show it afresh.
    void changed();
    void activeSetChanged(int k);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followDataSetList();
    void followActiveSet();
    void followAxisUnit();
    void followLaunches();
    void connectCommands();
    void updateUndoActions();

    Plot m_plot;
    PrintSettings m_printSettings;
    DataEditor* m_editor;
    FlightsTableModel* m_flights;
    DataFileActions* m_files;
    OutputActions* m_output;
    ScaleDialog* m_scale;
    PlotInfoDialog* m_plotProperties;
    DataPropertiesDialog* m_dataProperties;
    PlotCommands m_commands;

    // The active data set by identity, so that it stays active while others come and go before it; the position
    // last announced by activeSetChanged().
    const DataSet* m_active = nullptr;
    int m_announcedActive = -1;
    bool m_activeRemoved = false;
    bool m_exchangeRunning = false;
    AltitudeUnit m_axisUnit = AltitudeUnit::Unknown; // the unit the view range is in
};

} // namespace vimo
