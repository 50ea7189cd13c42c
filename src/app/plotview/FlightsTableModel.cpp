#include "app/plotview/FlightsTableModel.h"

#include "analysis/FlightAnalysis.h"
#include "analysis/FlightText.h"
#include "data/AltitudeAxis.h"
#include "data/CFormat.h"
#include "data/Plot.h"
#include "data/TableText.h"
#include "plot/AltitudeDisplay.h"
#include "plot/FlightSpan.h"

#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

QString fixed1(double value)
{
    return QString::fromLatin1(cformat::fixed(value, 1));
}

// A height column's title names the unit of the axis its heights are shown in: "Start Height (m)".
QString withUnit(const QString& title, AltitudeUnit unit)
{
    const QString symbol = unitSymbol(unit);
    return symbol.isEmpty() ? title : title + QStringLiteral(" (") + symbol + QLatin1Char(')');
}

} // namespace

FlightsTableModel::FlightsTableModel(Plot& plot, QObject* parent) : QAbstractTableModel(parent), m_plot(plot)
{
    const DataSetList* list = &plot.signals;
    connect(list, &DataSetList::dataChanged, this, [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
        countChanges(topLeft.row(), bottomRight.row());
        refresh();
    });
    connect(list, &DataSetList::rowsInserted, this, &FlightsTableModel::refresh);
    connect(list, &DataSetList::rowsMoved, this, &FlightsTableModel::refresh);
    connect(list, &DataSetList::layoutChanged, this, &FlightsTableModel::refresh);
    const auto afterRemoval = [this] {
        forgetRemovedSets();
        refresh();
    };
    connect(list, &DataSetList::rowsRemoved, this, afterRemoval);
    connect(list, &DataSetList::modelReset, this, afterRemoval);
    refresh();
}

void FlightsTableModel::setWindow(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0 || seconds == m_window)
        return;
    m_window = seconds;
    refresh();
    Q_EMIT optionsChanged();
}

void FlightsTableModel::setLaunchEnd(int dataSet, int flight, double time)
{
    if (!m_plot.signals.isValidIndex(dataSet) || flight < 0 || !std::isfinite(time))
        return;
    m_plot.signals.at(dataSet).launchEnds[flight] = time;
    refresh();
    Q_EMIT optionsChanged();
}

void FlightsTableModel::clearLaunchEnd(int dataSet, int flight)
{
    if (!m_plot.signals.isValidIndex(dataSet))
        return;
    if (m_plot.signals.at(dataSet).launchEnds.erase(flight) > 0) {
        refresh();
        Q_EMIT optionsChanged();
    }
}

void FlightsTableModel::countChanges(int first, int last)
{
    for (int k = std::max(first, 0); k <= last && k < m_plot.signals.size(); ++k)
        ++m_revisions[&m_plot.signals.at(k)];
}

// A data set that left the list may be freed and its address taken by a new one: nothing of it may stay.
void FlightsTableModel::forgetRemovedSets()
{
    std::unordered_map<const DataSet*, std::uint64_t> revisions;
    std::unordered_map<const DataSet*, Analysis> analyses;
    for (int k = 0; k < m_plot.signals.size(); ++k) {
        const DataSet* set = &m_plot.signals.at(k);
        if (const auto r = m_revisions.find(set); r != m_revisions.end())
            revisions.insert(*r);
        if (const auto a = m_analyses.find(set); a != m_analyses.end())
            analyses.insert(std::move(*a));
    }
    m_revisions = std::move(revisions);
    m_analyses = std::move(analyses);
}

const FlightReport& FlightsTableModel::upToDate(const DataSet& set)
{
    // Each data set is analysed in its own unit; one of unknown unit in the unit the axis label names.
    const AltitudeUnit unit = analysisUnit(m_plot, set);
    const std::uint64_t revision = m_revisions[&set];
    const auto known = m_analyses.find(&set);
    if (known != m_analyses.end() && known->second.revision == revision && known->second.window == m_window
        && known->second.launchEnds == set.launchEnds && known->second.unit == unit)
        return known->second.report;
    AnalysisOptions options;
    options.window = m_window;
    options.launchEnds = set.launchEnds;
    Analysis& analysis = m_analyses[&set];
    analysis = Analysis{revision, m_window, set.launchEnds, unit, analyseFlights(set.altitude, unit, options)};
    ++m_analysisCount;
    return analysis.report;
}

void FlightsTableModel::refresh()
{
    beginResetModel();
    m_reports.clear();
    m_shown.clear();
    m_rows.clear();
    for (int k = 0; k < m_plot.signals.size(); ++k) {
        const FlightReport& report = upToDate(m_plot.signals.at(k));
        m_reports.push_back(&report);
        m_shown.push_back(reportInAxisUnit(m_plot, report));
        for (int f = 0; f < int(report.flights.size()); ++f)
            m_rows.push_back({k, f});
    }
    endResetModel();
}

const FlightReport* FlightsTableModel::report(int dataSet) const
{
    return dataSet >= 0 && dataSet < int(m_reports.size()) ? m_reports[std::size_t(dataSet)] : nullptr;
}

FlightsTableModel::RowFlight FlightsTableModel::rowFlight(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[std::size_t(row)] : RowFlight{};
}

const Flight* FlightsTableModel::flightAt(int row) const
{
    const RowFlight r = rowFlight(row);
    return r.dataSet < 0 ? nullptr : &m_reports[std::size_t(r.dataSet)]->flights[std::size_t(r.flight)];
}

bool FlightsTableModel::flightRange(int row, double& from, double& to) const
{
    const Flight* f = flightAt(row);
    if (!f)
        return false;
    const FlightSpan span = flightSpan(f->launch, f->duration);
    from = span.from;
    to = span.to;
    return true;
}

QString FlightsTableModel::cellText(int row, int column) const
{
    const RowFlight r = rowFlight(row);
    if (r.dataSet < 0)
        return {};
    const Flight& f = m_shown[std::size_t(r.dataSet)].flights[std::size_t(r.flight)];
    switch (column) {
    case DataSetColumn:
        return m_plot.signals.at(r.dataSet).name();
    case FlightColumn:
        return QString::number(r.flight + 1);
    case LaunchColumn:
        return fixed1(f.launch);
    case DurationColumn:
        return durationText(f.duration);
    case StartHeightColumn:
        return f.startHeight ? fixed1(*f.startHeight) : QStringLiteral("-");
    case PenaltyColumn:
        return f.f5jPenalty ? QString::fromLatin1(cformat::general(*f.f5jPenalty, 15)) : QStringLiteral("-");
    case HighestColumn:
        return fixed1(f.maxAltitude);
    case ClimbsColumn:
        return QString::number(f.climbs.size());
    default:
        return {};
    }
}

QString FlightsTableModel::tableText(QChar separator, const QString& lineEnd) const
{
    return vimo::tableText(*this, separator, lineEnd);
}

QByteArray FlightsTableModel::csvBytes() const
{
    return tableCsvBytes(*this);
}

int FlightsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FlightsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FlightsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() != DataSetColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant FlightsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case DataSetColumn:
        return QStringLiteral("Data Set");
    case FlightColumn:
        return QStringLiteral("Flight");
    case LaunchColumn:
        return QStringLiteral("Launch (s)");
    case DurationColumn:
        return QStringLiteral("Duration");
    case StartHeightColumn:
        return withUnit(QStringLiteral("Start Height"), axisUnit(m_plot));
    case PenaltyColumn:
        return QStringLiteral("Penalty");
    case HighestColumn:
        return withUnit(QStringLiteral("Highest"), axisUnit(m_plot));
    case ClimbsColumn:
        return QStringLiteral("Climbs");
    default:
        return {};
    }
}

} // namespace vimo
