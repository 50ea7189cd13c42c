#pragma once

#include "analysis/FlightReport.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <vector>

namespace vimo {

struct DataSet;
struct Plot;

// The Flights table: one row per flight of every data set of the plot, in data set order. It analyses the data
// sets again whenever the data set list changes (added, changed, cropped, corrected, undone, deleted), so the rows
// always match the plot. Launch ends moved by the user are kept in their data set, by flight.
class FlightsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        DataSetColumn,
        FlightColumn,
        LaunchColumn,
        DurationColumn,
        StartHeightColumn,
        PenaltyColumn,
        HighestColumn,
        ClimbsColumn,
        ColumnCount
    };

    explicit FlightsTableModel(Plot& plot, QObject* parent = nullptr);

    // The start-height window after the launch end, in seconds (10 unless set).
    void setWindow(double seconds);
    double window() const { return m_window; }

    // The user's launch end of a flight (seconds on the time axis), or back to the estimate.
    void setLaunchEnd(int dataSet, int flight, double time);
    void clearLaunchEnd(int dataSet, int flight);

    // The analysis of data set k, or null for an invalid k.
    const FlightReport* report(int dataSet) const;

    // Which data set and flight a row shows; {-1, -1} for an invalid row.
    struct RowFlight {
        int dataSet = -1;
        int flight = -1;
    };
    RowFlight rowFlight(int row) const;
    const Flight* flightAt(int row) const;

    // The time range that shows the flight of a row whole, with a little room on both sides; false for an invalid
    // row.
    bool flightRange(int row, double& from, double& to) const;

    // The table as text: the header and every row, cells separated by `separator`, lines by `lineEnd`. Cells that
    // hold the separator, a quote or a line break are quoted as CSV does.
    QString tableText(QChar separator, const QString& lineEnd) const;

    // The table as a CSV file: UTF-8, commas, CR LF line ends.
    QByteArray csvBytes() const;

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

public Q_SLOTS:
    // Analyses every data set again (also after the plot's altitude label changed).
    void refresh();

private:
    QString cellText(int row, int column) const;

    Plot& m_plot;
    double m_window = 10.0;
    std::vector<FlightReport> m_reports; // one per data set
    std::vector<RowFlight> m_rows;
};

} // namespace vimo
