#pragma once

#include "data/AltitudeUnit.h"
#include "logbook/ArchivedRecording.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QSortFilterProxyModel>
#include <optional>
#include <vector>

namespace vimo {

class LogbookIndex;

// The flights of the index as a table, read with two queries (never from the files): one row per flight, and one
// row for a recording without a flight ("no flight"). The recording's own columns (date, file, set, name, model,
// module, samples, notes) repeat on each of its rows, so that its rows stay together under any sort of those
// columns; a row's flight has its number, launch time in the recording, duration, start height, penalty, highest
// altitude and climbs, in the recording's unit. Each cell also gives a value to sort by.
class LogbookModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Date,
        File,
        Set,
        Name,
        Flight,
        Launch,
        Duration,
        StartHeight,
        Penalty,
        HighestAltitude,
        Climbs,
        Unit,
        Model,
        Module,
        Samples,
        Notes,
        ColumnCount
    };
    static constexpr int kSortRole = Qt::UserRole;

    explicit LogbookModel(QObject* parent = nullptr);

    // Reads every recording of the index again.
    void reload(LogbookIndex& index);

    const std::vector<ArchivedRecording>& recordings() const { return m_recordings; }
    // The recording of a row, and its place in recordings().
    const ArchivedRecording& recording(int row) const { return m_recordings[recordingIndex(row)]; }
    std::size_t recordingIndex(int row) const { return std::size_t(m_rows[std::size_t(row)].recording); }
    // The flight of a row; null on the row of a recording without a flight.
    const FlightMeasures* flight(int row) const;
    // The local date of the row's download, and the unit of its heights.
    QDate day(int row) const { return m_facts[recordingIndex(row)].day; }
    AltitudeUnit unit(int row) const { return m_facts[recordingIndex(row)].unit; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row {
        int recording;
        int flight; // index into the recording's flights; -1 for a recording without a flight
    };
    // What every row of a recording needs and is worth working out once.
    struct RecordingFacts {
        QDate day;
        AltitudeUnit unit;
    };

    QVariant displayed(int row, int column) const;
    QVariant sortValue(int row, int column) const;

    std::vector<ArchivedRecording> m_recordings;
    std::vector<RecordingFacts> m_facts;
    std::vector<Row> m_rows;
};

// The rows the page shows: those whose name, module, model, notes or file contain the filter text (any case), whose
// download date (local) lies in the date range, and whose model is the one chosen; sorted by the model's sort
// values.
class LogbookFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit LogbookFilter(QObject* parent = nullptr);

    void setText(const QString& text);
    // An invalid date leaves that end of the range open.
    void setDateRange(const QDate& from, const QDate& to);
    // Nothing: every model; an empty name: the recordings without a model; else that model (any case).
    void setAirframe(const std::optional<QString>& airframe);

    // The source rows shown, in the order shown.
    std::vector<int> shownSourceRows() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_text;
    QDate m_from;
    QDate m_to;
    std::optional<QString> m_airframe;
};

} // namespace vimo
