#pragma once

#include "app/AppSettings.h"

#include <QWidget>

class QKeyEvent;

namespace vimo {

class DataPageContent;
struct Plot;

// The "Recorded Data" page: the plot box and its tools (zoom, pan, mouse modes, active data set, data and plot
// properties, load, save, export, print).
//
// The page holds the hooks the main window uses; its content (DataPageContent) is built when the plot exists:
// - setPlot(): the plot record, created at the window's first show;
// - dataSetsChanged(): data sets were added to the plot (a download); the page shows them;
// - handlePlotKey(): the plot keys, offered by the window's key preview only while this page is shown;
// - setExchangeRunning(): while a module exchange runs, Load, Data Properties, Crop and Scale must be disabled;
// - applySettings() / collectSettings(): the remembered values that belong to this page and its dialogs
//   ("Show Points", the plot labels switches, export type; the print size and colour go to printSettings());
// - readout(): the cursor and rate-of-climb read-outs for the status bar.
class DataPage : public QWidget {
    Q_OBJECT
public:
    explicit DataPage(QWidget* parent = nullptr);

    void setPlot(Plot* plot);
    Plot* plot() const { return m_plot; }

    void dataSetsChanged();

    // True when the key was a plot key and has been handled (the focused control then never sees it).
    bool handlePlotKey(QKeyEvent* event);

    void setExchangeRunning(bool running);
    bool exchangeRunning() const { return m_exchangeRunning; }

    void applySettings(const AppSettings& settings);
    void collectSettings(AppSettings& settings) const;

    // The module data set last chosen for download (0-based), for the suggested data set file name.
    void setSelectedSet(int set);

    // The page's content; null until setPlot().
    DataPageContent* content() const { return m_content; }

Q_SIGNALS:
    // New texts for the status bar's cursor (XYDisp) and rate-of-climb (ROCDisp) read-outs.
    void readout(const QString& xy, const QString& roc);

private:
    Plot* m_plot = nullptr;
    DataPageContent* m_content = nullptr;
    bool m_exchangeRunning = false;
    int m_selectedSet = 0;
    AppSettings m_settings; // the page's own remembered values
};

} // namespace vimo
