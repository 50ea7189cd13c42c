#include "logbook/LogbookModel.h"

#include "analysis/FlightText.h"
#include "data/CFormat.h"
#include "logbook/LogbookIndex.h"

#include <QStringList>

namespace vimo {
namespace {

QVariant shown(const std::optional<double>& value)
{
    return value ? QVariant(QString::fromLatin1(cformat::general(*value, 6))) : QVariant();
}

QVariant sortValue(const std::optional<double>& value)
{
    // Unknown values sort before every known one.
    return value ? QVariant(*value) : QVariant(-1e300);
}

QString moduleText(const FlightRecord& f)
{
    QStringList parts;
    for (const QString* part : {&f.deviceName, &f.model, &f.softwareVersion}) {
        if (!part->isEmpty())
            parts << *part;
    }
    return parts.join(QLatin1Char(' '));
}

// The highest altitude of the flight analysis when known, else the highest value of the file.
const std::optional<double>& highest(const FlightRecord& f)
{
    return f.measures.highestAltitude ? f.measures.highestAltitude : f.highestValue;
}

} // namespace

LogbookModel::LogbookModel(QObject* parent) : QAbstractTableModel(parent) {}

void LogbookModel::reload(LogbookIndex& index)
{
    beginResetModel();
    m_flights = index.flights();
    endResetModel();
}

int LogbookModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_flights.size());
}

int LogbookModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogbookModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const FlightRecord& f = flight(index.row());
    const bool sorting = role == kSortRole;
    if (role != Qt::DisplayRole && !sorting) {
        if (role == Qt::ToolTipRole)
            return f.path;
        return {};
    }
    switch (index.column()) {
    case Date:
        return sorting ? QVariant(f.downloaded)
                       : QVariant(f.downloaded.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    case Module:
        return moduleText(f);
    case Set:
        return sorting || f.set > 0 ? QVariant(f.set) : QVariant();
    case Name:
        return f.incomplete && !sorting ? QVariant(f.name + QStringLiteral(" (incomplete)")) : QVariant(f.name);
    case Samples:
        return f.samples;
    case Duration:
        // Shown as m:ss like the Flights table, sorted by the seconds ("10:05" after "9:00").
        if (sorting)
            return sortValue(f.measures.duration);
        return f.measures.duration ? QVariant(durationText(*f.measures.duration)) : QVariant();
    case StartHeight:
        return sorting ? sortValue(f.measures.startHeight) : shown(f.measures.startHeight);
    case HighestAltitude:
        return sorting ? sortValue(highest(f)) : shown(highest(f));
    case Notes:
        return sorting ? f.notes : QString(f.notes).replace(QLatin1Char('\n'), QStringLiteral("  "));
    default:
        return {};
    }
}

QVariant LogbookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole && section == StartHeight)
        return QStringLiteral("Highest point above the ground from the launch to 10 s after the launch end: the F5J "
                              "window, whatever the Flights table is set to");
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static constexpr const char* kTitles[ColumnCount] = {
        "Date", "Module", "Set", "Name", "Samples", "Duration", "Start Height", "Highest Altitude", "Notes",
    };
    return section >= 0 && section < ColumnCount ? QVariant(QString::fromLatin1(kTitles[section])) : QVariant();
}

LogbookFilter::LogbookFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(LogbookModel::kSortRole);
}

void LogbookFilter::setText(const QString& text)
{
    m_text = text.trimmed();
    invalidateFilter();
}

void LogbookFilter::setDateRange(const QDate& from, const QDate& to)
{
    m_from = from;
    m_to = to;
    invalidateFilter();
}

bool LogbookFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* model = qobject_cast<const LogbookModel*>(sourceModel());
    if (!model)
        return true;
    const FlightRecord& f = model->flight(sourceRow);
    const QDate date = f.downloaded.toLocalTime().date();
    if ((m_from.isValid() && date < m_from) || (m_to.isValid() && date > m_to))
        return false;
    if (m_text.isEmpty())
        return true;
    for (const QString* field : {&f.name, &f.notes, &f.path, &f.deviceName, &f.model}) {
        if (field->contains(m_text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace vimo
