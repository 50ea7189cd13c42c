#pragma once

#include <QWidget>

class QDoubleSpinBox;
class QPushButton;
class QTableView;

namespace vimo {

class FlightsTableModel;

// The panel that shows the Flights table, with buttons that copy it to the clipboard and export it as a CSV file,
// and the length of the start-height window, which the table (and through it the flight marks) uses at once.
// Choosing a row asks for its data set to be selected and the plot zoomed to the flight.
class FlightsPanel : public QWidget {
    Q_OBJECT
public:
    explicit FlightsPanel(FlightsTableModel& model, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }

    // The start-height window shown in the panel and used by the table, in seconds; a value outside the box's
    // range is brought into it, one that is no number is ignored.
    double window() const;
    void setWindow(double seconds);

    // Puts the table on the clipboard as tab-separated text (pastes into a spreadsheet as cells).
    void copyTable();

    // Writes the table as a CSV file, safely (a failed write leaves an earlier file as it was); false with the
    // reason when it could not be written.
    bool exportTable(const QString& path, QString* reason = nullptr);

Q_SIGNALS:
    // The user chose the row of a flight: select data set `dataSet` and show the time from..to.
    void flightChosen(int dataSet, double from, double to);

private:
    // Asks for a file name and writes the table there; a failure is reported.
    void exportTableAsked();
    // The row of a flight was chosen: its data set and time range are asked for.
    void chooseRow(int row);

    FlightsTableModel& m_model;
    QTableView* m_table;
    QPushButton* m_copyButton;
    QPushButton* m_exportButton;
    QDoubleSpinBox* m_windowBox;
};

} // namespace vimo
