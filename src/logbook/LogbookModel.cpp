#include "logbook/LogbookModel.h"

#include "analysis/FlightText.h"
#include "data/CFormat.h"
#include "logbook/LogbookIndex.h"

#include <QStringList>

namespace vimo {
namespace {

// Heights and times as the Flights table shows them: a tenth, "-" when unknown.
QString tenths(double value)
{
    return QString::fromLatin1(cformat::fixed(value, 1));
}

QString tenths(const std::optional<double>& value)
{
    return value ? tenths(*value) : QStringLiteral("-");
}

QString penaltyText(const std::optional<double>& value)
{
    return value ? QString::fromLatin1(cformat::general(*value, 15)) : QStringLiteral("-");
}

QVariant sortable(const std::optional<double>& value)
{
    // Unknown values sort before every known one.
    return value ? QVariant(*value) : QVariant(-1e300);
}

QString moduleText(const ArchivedRecording& r)
{
    QStringList parts;
    for (const QString* part : {&r.deviceName, &r.model, &r.softwareVersion}) {
        if (!part->isEmpty())
            parts << *part;
    }
    return parts.join(QLatin1Char(' '));
}

QString fileName(const QString& path)
{
    return path.section(QLatin1Char('/'), -1);
}

} // namespace

LogbookModel::LogbookModel(QObject* parent) : QAbstractTableModel(parent) {}

void LogbookModel::reload(LogbookIndex& index)
{
    beginResetModel();
    m_recordings = index.recordings();
    m_facts.clear();
    m_rows.clear();
    m_facts.reserve(m_recordings.size());
    for (std::size_t i = 0; i < m_recordings.size(); ++i) {
        const ArchivedRecording& r = m_recordings[i];
        m_facts.push_back({r.downloaded.toLocalTime().date(), unitNamedBy(r.unit)});
        if (r.flights.empty())
            m_rows.push_back({int(i), -1});
        for (std::size_t k = 0; k < r.flights.size(); ++k)
            m_rows.push_back({int(i), int(k)});
    }
    endResetModel();
}

const FlightMeasures* LogbookModel::flight(int row) const
{
    const Row& r = m_rows[std::size_t(row)];
    return r.flight < 0 ? nullptr : &m_recordings[std::size_t(r.recording)].flights[std::size_t(r.flight)];
}

int LogbookModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int LogbookModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogbookModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return displayed(index.row(), index.column());
    case kSortRole:
        return sortValue(index.row(), index.column());
    case Qt::ToolTipRole:
        return recording(index.row()).path;
    case Qt::TextAlignmentRole:
        if (index.column() >= Flight && index.column() <= Climbs)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant LogbookModel::displayed(int row, int column) const
{
    const ArchivedRecording& r = recording(row);
    const FlightMeasures* f = flight(row);
    switch (column) {
    case Date:
        return r.downloaded.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case File:
        return fileName(r.path);
    case Set:
        return r.set > 0 ? QVariant(r.set) : QVariant();
    case Name:
        return r.incomplete ? r.name + QStringLiteral(" (incomplete)") : r.name;
    case Flight:
        return f ? QStringLiteral("%1/%2").arg(f->number).arg(r.flights.size()) : QStringLiteral("no flight");
    case Unit:
        return unit(row) == AltitudeUnit::Unknown ? r.unit : unitSymbol(unit(row));
    case Model:
        return r.airframe;
    case Module:
        return moduleText(r);
    case Samples:
        return r.samples;
    case Notes:
        return QString(r.notes).replace(QLatin1Char('\n'), QStringLiteral("  "));
    default:
        break;
    }
    if (!f)
        return {};
    switch (column) {
    case Launch:
        return tenths(f->launch);
    case Duration:
        // m:ss like the Flights table; sorted by the seconds ("10:05" after "9:00").
        return durationText(f->duration);
    case StartHeight:
        return tenths(f->startHeight);
    case Penalty:
        return penaltyText(f->penalty);
    case HighestAltitude:
        return tenths(f->highestAltitude);
    case Climbs:
        return f->climbs;
    default:
        return {};
    }
}

QVariant LogbookModel::sortValue(int row, int column) const
{
    const ArchivedRecording& r = recording(row);
    const FlightMeasures* f = flight(row);
    if (!f && column >= Launch && column <= Climbs)
        return -1e300; // a recording without a flight sorts before every flight
    switch (column) {
    case Date:
        return r.downloaded.toMSecsSinceEpoch();
    case Set:
        return r.set;
    case Name:
        return r.name;
    case Flight:
        return f ? f->number : 0;
    case Launch:
        return f->launch;
    case Duration:
        return f->duration;
    case StartHeight:
        return sortable(f->startHeight);
    case Penalty:
        return sortable(f->penalty);
    case HighestAltitude:
        return f->highestAltitude;
    case Climbs:
        return f->climbs;
    case Notes:
        return r.notes;
    default:
        return displayed(row, column);
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
        "Date",    "Recording", "Set",    "Name", "Flight", "Launch (s)", "Duration", "Start Height",
        "Penalty", "Highest",   "Climbs", "Unit", "Model",  "Module",     "Samples",  "Notes",
    };
    return section >= 0 && section < ColumnCount ? QVariant(QString::fromLatin1(kTitles[section])) : QVariant();
}

LogbookFilter::LogbookFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(LogbookModel::kSortRole);
}

void LogbookFilter::setText(const QString& text)
{
    if (text.trimmed() == m_text)
        return; // a filter pass over every row is kept for a real change
    m_text = text.trimmed();
    invalidateFilter();
}

void LogbookFilter::setDateRange(const QDate& from, const QDate& to)
{
    if (from == m_from && to == m_to)
        return;
    m_from = from;
    m_to = to;
    invalidateFilter();
}

void LogbookFilter::setAirframe(const std::optional<QString>& airframe)
{
    if (airframe == m_airframe)
        return;
    m_airframe = airframe;
    invalidateFilter();
}

std::vector<int> LogbookFilter::shownSourceRows() const
{
    std::vector<int> rows;
    rows.reserve(std::size_t(rowCount()));
    for (int row = 0; row < rowCount(); ++row)
        rows.push_back(mapToSource(index(row, 0)).row());
    return rows;
}

bool LogbookFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* model = qobject_cast<const LogbookModel*>(sourceModel());
    if (!model)
        return true;
    const QDate day = model->day(sourceRow);
    if ((m_from.isValid() && day < m_from) || (m_to.isValid() && day > m_to))
        return false;
    const ArchivedRecording& r = model->recording(sourceRow);
    if (m_airframe && r.airframe.compare(*m_airframe, Qt::CaseInsensitive) != 0)
        return false;
    if (m_text.isEmpty())
        return true;
    for (const QString* field : {&r.name, &r.notes, &r.path, &r.deviceName, &r.model, &r.airframe}) {
        if (field->contains(m_text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace vimo
