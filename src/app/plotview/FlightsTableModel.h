#pragma once

#include "analysis/FlightReport.h"
#include "data/AltitudeUnit.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vimo {

struct DataSet;
struct Plot;

// The Flights table: one row per flight of every data set of the plot, in data set order. It follows the data set
// list (added, changed, cropped, corrected, undone, deleted), so the rows always match the plot. Launch ends moved
// by the user are kept in their data set, by flight.
//
// Each data set's report is kept with what it was made from: the data set's revision (counted up by every change
// the list announces for it), the start-height window, its launch ends and the unit it was analysed in.
// Only a data set whose report no longer matches is analysed again, so an edit of one data set costs the analysis
// of that one.
class FlightsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The longest start-height window offered, in seconds.
    static constexpr double kMaxWindow = 600.0;

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

    // How many data sets have been analysed since the model was made (each analysis counts once).
    std::uint64_t analysisCount() const { return m_analysisCount; }

public Q_SLOTS:
    // Brings every report up to date, analysing only the data sets whose report no longer matches (also after the
    // unit a data set is analysed in changed), and shows the rows afresh.
    void refresh();

Q_SIGNALS:
    // The start-height window or a launch end changed: the reports, and the marks drawn from them, are new.
    void optionsChanged();

private:
    // A report with what it was made from.
    struct Analysis {
        std::uint64_t revision = 0;
        double window = 0;
        std::map<int, double> launchEnds;
        AltitudeUnit unit = AltitudeUnit::Unknown;
        FlightReport report;
    };

    QString cellText(int row, int column) const;
    void countChanges(int first, int last);
    void forgetRemovedSets();
    const FlightReport& upToDate(const DataSet& set);

    Plot& m_plot;
    double m_window = 10.0;
    // By data set: its revision, and its latest analysis. Both forget a data set when it leaves the list.
    std::unordered_map<const DataSet*, std::uint64_t> m_revisions;
    std::unordered_map<const DataSet*, Analysis> m_analyses;
    std::vector<const FlightReport*> m_reports; // one per data set, in list order
    std::vector<FlightReport> m_shown;          // the same, with heights in the axis unit, for the cells
    std::vector<RowFlight> m_rows;
    std::uint64_t m_analysisCount = 0;
};

} // namespace vimo
