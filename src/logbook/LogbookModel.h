#pragma once

#include "logbook/FlightRecord.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QSortFilterProxyModel>
#include <vector>

namespace vimo {

class LogbookIndex;

// The flights of the index as a table, read with one query (never from the files): date, module, set, name,
// samples, duration, start height, highest altitude, notes. Each cell also gives a value to sort by.
class LogbookModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Date, Module, Set, Name, Samples, Duration, StartHeight, HighestAltitude, Notes, ColumnCount };
    static constexpr int kSortRole = Qt::UserRole;

    explicit LogbookModel(QObject* parent = nullptr);

    // Reads every row of the index again.
    void reload(LogbookIndex& index);

    const FlightRecord& flight(int row) const { return m_flights[std::size_t(row)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<FlightRecord> m_flights;
};

// The flights the page shows: those whose name, module, notes or file contain the filter text (any case) and
// whose download date (local) lies in the date range; sorted by the model's sort values.
class LogbookFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit LogbookFilter(QObject* parent = nullptr);

    void setText(const QString& text);
    // An invalid date leaves that end of the range open.
    void setDateRange(const QDate& from, const QDate& to);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_text;
    QDate m_from;
    QDate m_to;
};

} // namespace vimo
