#pragma once

#include "app/AppSettings.h"

#include <QWidget>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace vimo {

class DataEditor;
class DataFileActions;
class DataPropertiesDialog;
class FlightsPanel;
class FlightsTableModel;
class OutputActions;
class PlotBox;
class PlotInfoDialog;
class ScaleDialog;
struct Plot;
struct PrintSettings;

// The "Recorded Data" page: the plot box with its zoom, pan, reset and crop buttons, the "Mouse" modes, the
// active data set, the statistics of the visible range, and the buttons that open the scale, data properties and
// plot properties dialogs, load, save, export and print. Every change ends by repainting the plot box. Under the
// plot, a panel that can be hidden holds the Flights table: choosing a flight makes its data set the active one
// and shows the flight; the table and the flight marks (on the screen, in exports and prints) follow every change
// of the data sets, of the plot's altitude label and of the panel's start-height window.
//
// Each command of the page is a QAction (commands()), which the window also puts in its menus. The plot keys are
// shortcuts of the page: they act only while the page is shown, whichever of its controls has the focus.
class DataPage : public QWidget {
    Q_OBJECT
public:
    // The page's commands, for the window's menus.
    struct Commands {
        QAction* load = nullptr;
        QAction* save = nullptr;
        QAction* exportPlot = nullptr;
        QAction* print = nullptr;
        QAction* undo = nullptr;
        QAction* redo = nullptr;
        QAction* scale = nullptr;
        QAction* dataProperties = nullptr;
        QAction* plotProperties = nullptr;
        QAction* zoomIn = nullptr;
        QAction* zoomOut = nullptr;
        QAction* zoomReset = nullptr;
        QAction* crop = nullptr;
        QAction* legend = nullptr;
        QAction* flightsTable = nullptr;
        QAction* flightMarks = nullptr;
        QAction* flightMarksInOutput = nullptr;
    };

    // `plot` and `print` (the stored size and colour of prints and exports) outlive the page.
    DataPage(Plot& plot, PrintSettings& print, QWidget* parent = nullptr);
    ~DataPage() override;

    Plot& plot() const { return m_plot; }
    PlotBox* plotBox() const { return m_plotBox; }
    DataEditor& editor() { return *m_editor; }
    DataFileActions& files() { return *m_files; }
    OutputActions& output() { return *m_output; }
    FlightsTableModel& flights() { return *m_flights; }
    FlightsPanel* flightsPanel() const { return m_flightsPanel; }
    DataPropertiesDialog& dataProperties() { return *m_dataPropForm; }
    const Commands& commands() const { return m_commands; }

    // The active data set: the selected row of "Active Data Set", -1 for none.
    int activeSet() const;
    // Makes data set k the active one.
    void setActiveSet(int k);

    // Repaints the plot after a change made elsewhere (a download added data sets).
    void repaintPlot();

    // While a module exchange runs, nothing may change what it works on: Load, Data Properties, Crop, Scale, undo
    // and dropped files are refused.
    void setExchangeRunning(bool running);
    bool exchangeRunning() const { return m_exchangeRunning; }

    // The remembered values that belong to this page and its dialogs ("Show Points", the plot labels switches,
    // the print size and colour, the export type).
    void applySettings(const AppSettings& settings);
    void collectSettings(AppSettings& settings) const;

    bool showPoints() const;
    void setShowPoints(bool on);

    // The legend on the screen's plot (the View menu's toggle).
    bool legendShown() const;
    void setLegendShown(bool shown);

    // The Flights table beside the plot, the flight marks on the screen's plot, and the flight marks on exported
    // and printed plots (the View menu's toggles).
    bool flightsTableShown() const;
    void setFlightsTableShown(bool shown);
    bool flightMarksShown() const;
    void setFlightMarksShown(bool shown);
    bool flightMarksInOutput() const;
    void setFlightMarksInOutput(bool on);

    // The module data set last chosen for download (0-based), for the suggested data set file name.
    void setSelectedSet(int set);

    // Data files dropped anywhere on `window` are loaded like "Load" does.
    void acceptDropsOn(QWidget* window);

    // Makes data set k the active one and shows the time from..to with the altitudes it reaches there.
    void showFlight(int dataSet, double from, double to);

Q_SIGNALS:
    // New texts for the status bar's cursor (XYDisp) and rate-of-climb (ROCDisp) read-outs.
    void readout(const QString& position, const QString& rateOfClimb);

protected:
    // Leaving the page clears the window's read-outs; the rate of climb text starts afresh.
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildControls();
    void createCommands();
    void addPlotKeys();
    void updateStats();
    void followDeletedActiveSet();
    void updateUndoActions();

    Plot& m_plot;
    PrintSettings& m_print;
    DataEditor* m_editor;
    PlotBox* m_plotBox;
    DataFileActions* m_files;
    OutputActions* m_output;
    ScaleDialog* m_scaleForm;
    PlotInfoDialog* m_editInfoForm;
    DataPropertiesDialog* m_dataPropForm;
    FlightsTableModel* m_flights;
    FlightsPanel* m_flightsPanel;
    Commands m_commands;

    QComboBox* ActiveSetCombo = nullptr;
    QButtonGroup* m_mouseModes = nullptr;
    QCheckBox* ShowPointsChk = nullptr;
    QLabel* StatsDisp = nullptr;

    QString m_rateText;
    bool m_exchangeRunning = false;
    bool m_activeRemoved = false;
};

} // namespace vimo
