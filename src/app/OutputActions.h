#pragma once

#include <QObject>
#include <memory>

class QFileDialog;
class QPrinter;
class QWidget;

namespace vimo {

class TPrtLocForm;
struct Plot;
struct PrintSettings;

// "Print" and "Export" of the "Recorded Data" page. Both ask for the plot's size in the output dialog; print then
// asks for the printer and renders the plot on its page at the page offsets, export asks for a file first and
// renders the plot into it at 100 pixels per inch. The page offsets count only while a print runs. The screen is
// never affected: the plot box keeps its own layout.
class OutputActions : public QObject {
    Q_OBJECT
public:
    OutputActions(Plot& plot, PrintSettings& settings, QWidget* dialogParent);
    ~OutputActions() override;

    void print();

    TPrtLocForm& outputDialog() { return *m_output; }
    QPrinter& printer() { return *m_printer; }

private:
    Plot& m_plot;
    PrintSettings& m_settings;
    QWidget* m_parent;
    TPrtLocForm* m_output;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace vimo
