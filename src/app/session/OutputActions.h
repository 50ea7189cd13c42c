#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QFileDialog;
class QPrinter;
class QWidget;

namespace vimo {

struct FlightReport;
struct RenderOptions;
class OutputDialog;
struct Plot;
struct PrintSettings;

// "Print" and "Export" of the "Recorded Data" page. Both ask for the plot's size in the output dialog; print then
// asks for the printer and renders the plot on its page at the page offsets, export asks for a file first and
// writes the plot as a picture (Bitmap, JPEG, GIF, PNG at 100 pixels per inch, or a PDF page). The page offsets
// count only while a print runs. A size that cannot be printed or exported, and a file that cannot be written,
// are reported and nothing is written. The screen is never affected: the plot box keeps its own layout.
class OutputActions : public QObject {
    Q_OBJECT
public:
    // The export file types, in the order of the export dialog's list.
    enum ExportType { Bitmap = 1, Jpeg, Gif, Png, Pdf };
    static constexpr int kExportTypeCount = 5;

    OutputActions(Plot& plot, PrintSettings& settings, QWidget* dialogParent);
    ~OutputActions() override;

    void print();
    void exportPlot();
    // Puts the picture that Export writes as a bitmap, at the remembered size, on the clipboard; a size that
    // cannot be exported is reported and the clipboard keeps what it held. False when nothing was copied.
    bool copyPlot();

    // The export dialog's type (remembered between runs); an unknown one becomes Bitmap.
    int exportType() const { return m_exportType; }
    void setExportType(int type);

    // The folder the export dialog opens in (the last one used); a folder that does not exist is ignored.
    QString exportFolder() const;
    void setExportFolder(const QString& folder);

    // Whether exported and printed plots carry the legend (off unless asked for).
    bool legend() const { return m_legend; }
    void setLegend(bool on) { m_legend = on; }

    // Whether exported and printed plots carry the flight marks (off unless asked for), and the flights they mark
    // (the active data set's, asked for when the plot is drawn; null for none).
    bool flightMarks() const { return m_flightMarks; }
    void setFlightMarks(bool on) { m_flightMarks = on; }
    void setFlightSource(std::function<const FlightReport*()> source) { m_flightSource = std::move(source); }
    // The active data set, whose flights are marked (they are drawn shifted as its line is).
    void setActiveSetSource(std::function<int()> source) { m_activeSource = std::move(source); }

    // What exports and prints draw beyond the plot itself: the legend and the flight marks, when asked for.
    RenderOptions renderOptions() const;

    OutputDialog& outputDialog() { return *m_output; }
    QPrinter& printer() { return *m_printer; }

private:
    void clearOffsets();

    Plot& m_plot;
    PrintSettings& m_settings;
    QWidget* m_parent;
    OutputDialog* m_output;
    QFileDialog* m_exportDialog;
    std::unique_ptr<QPrinter> m_printer;
    int m_exportType = Bitmap;
    bool m_legend = false;
    bool m_flightMarks = false;
    std::function<const FlightReport*()> m_flightSource;
    std::function<int()> m_activeSource;
};

} // namespace vimo
