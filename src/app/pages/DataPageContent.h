#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QToolButton;

namespace vimo {

class DataEditor;
class DataFileActions;
class OutputActions;
class PlotBox;
class DataPropertiesDialog;
class PlotInfoDialog;
class ScaleDialog;
struct Plot;

// What the "Recorded Data" page shows: the plot box with its zoom, pan, reset and crop buttons, the "Mouse" modes,
// the active data set, the statistics of the visible range, and the buttons that open the scale, data properties
// and plot properties dialogs, load, save, export and print. Every change ends by repainting the plot box.
class DataPageContent : public QWidget {
    Q_OBJECT
public:
    explicit DataPageContent(Plot& plot, QWidget* parent = nullptr);
    ~DataPageContent() override;

    PlotBox* plotBox() const { return m_plotBox; }
    DataEditor& editor() { return *m_editor; }
    DataFileActions& files() { return *m_files; }
    OutputActions& output() { return *m_output; }
    DataPropertiesDialog& dataProperties() { return *m_dataPropForm; }

    // The active data set: the selected row of "Active Data Set", -1 for none.
    int activeSet() const;

    // Repaints the plot after a change made elsewhere.
    void repaintPlot();

    // While a module exchange runs, nothing may change what it works on: Load, Data Properties, Crop, Scale, undo
    // and dropped files are refused.
    void setExchangeRunning(bool running);

    // The keys of the page: the plot keys, Ctrl+Z (undo) and Ctrl+Shift+Z (redo). True when the key was one of
    // them and has been handled.
    bool handleKey(QKeyEvent* event);


    // Remembered between runs.
    bool showPoints() const;
    void setShowPoints(bool on);
    void restoreSwitches(bool showInfo, bool showBackground, bool showAvgClimb);
    // After the stored print settings were restored: the output dialog shows them; the export type (1 Bitmap,
    // 2 JPEG, 3 GIF, 4 PNG, 5 PDF) is the export dialog's.
    void restoreOutput(int exportType);
    int exportType() const;

    // Data files dropped anywhere on `window` are loaded like "Load" does.
    void acceptDropsOn(QWidget* window);

Q_SIGNALS:
    // The status bar read-outs: cursor position and rate of climb.
    void readout(const QString& position, const QString& rateOfClimb);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Leaving the page clears the window's read-outs; the rate of climb text starts afresh.
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildControls();
    void updateStats();
    void followDeletedActiveSet();

    Plot& m_plot;
    DataEditor* m_editor;
    PlotBox* m_plotBox;
    DataFileActions* m_files;
    OutputActions* m_output;
    ScaleDialog* m_scaleForm;
    PlotInfoDialog* m_editInfoForm;
    DataPropertiesDialog* m_dataPropForm;

    QComboBox* ActiveSetCombo = nullptr;
    QButtonGroup* m_mouseModes = nullptr;
    QCheckBox* ShowPointsChk = nullptr;
    QLabel* StatsDisp = nullptr;
    QPushButton* ZoomCropBtn = nullptr;
    QPushButton* ScaleBtn = nullptr;
    QPushButton* DataPropBtn = nullptr;
    QPushButton* LoadBtn = nullptr;

    QString m_rateText;
    bool m_exchangeRunning = false;
    bool m_activeRemoved = false;
};

} // namespace vimo
