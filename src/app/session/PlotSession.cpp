#include "app/session/PlotSession.h"

#include "app/dialogs/DataPropertiesDialog.h"
#include "app/dialogs/PlotInfoDialog.h"
#include "app/dialogs/ScaleDialog.h"
#include "app/plotview/FlightsTableModel.h"
#include "app/session/DataFileActions.h"
#include "app/session/OutputActions.h"
#include "data/AltitudeAxis.h"
#include "data/AutoScale.h"
#include "data/SetView.h"
#include "plot/AltitudeDisplay.h"
#include "plot/DataEditor.h"
#include "plot/LaunchAlignment.h"
#include "plot/PlotKeys.h"
#include "plot/RangeStats.h"

#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace vimo {

PlotSession::PlotSession(QWidget* dialogParent)
    : QObject(dialogParent), m_editor(new DataEditor(m_plot, this)), m_flights(new FlightsTableModel(m_plot, this)),
      m_files(new DataFileActions(m_plot, dialogParent)),
      m_output(new OutputActions(m_plot, m_printSettings, dialogParent)),
      m_scale(new ScaleDialog(m_plot, dialogParent)), m_plotProperties(new PlotInfoDialog(m_plot, dialogParent)),
      m_dataProperties(new DataPropertiesDialog(m_plot, *m_editor, dialogParent)),
      m_commands(makePlotCommands(this, m_editor->stack(),
                                  [this](int key, Qt::KeyboardModifiers modifiers) { plotKey(key, modifiers); }))
{
    setObjectName(QStringLiteral("PlotSession"));
    followLaunches(); // first: the views that follow the data sets then see them aligned
    followDataSetList();
    connectCommands();

    // The flights model follows the data set list by itself (it was connected to the list first); the marks it
    // draws follow a new start-height window or a moved launch end as well.
    connect(m_flights, &FlightsTableModel::optionsChanged, this, &PlotSession::notifyChanged);
    connect(m_editor, &DataEditor::changed, this, &PlotSession::notifyChanged);
    connect(m_scale, &ScaleDialog::plotChanged, this, &PlotSession::notifyChanged);
    // The altitude label names the unit of the data sets that do not name their own.
    connect(m_plotProperties, &PlotInfoDialog::plotChanged, m_flights, &FlightsTableModel::refresh);
    connect(m_plotProperties, &PlotInfoDialog::plotChanged, this, &PlotSession::notifyChanged);
    connect(m_files, &DataFileActions::loaded, this, [this] {
        m_dataProperties->showDataSetProperties(0);
        notifyChanged();
    });
    m_output->setFlightSource([this] { return m_flights->report(activeSet()); });
    m_output->setActiveSetSource([this] { return activeSet(); });
}

// While the data sets are aligned at launch, a data set that comes or changes (a load, a download, an undo, a
// correction) or a launch end the user moved has its first launch found again, before the views show it.
void PlotSession::followLaunches()
{
    const auto refind = [this] {
        if (m_plot.alignAtLaunch)
            findFirstLaunches(m_plot);
    };
    DataSetList* sets = &m_plot.signals;
    connect(sets, &DataSetList::rowsInserted, this, refind, Qt::DirectConnection);
    connect(sets, &DataSetList::dataChanged, this, refind, Qt::DirectConnection);
    connect(m_flights, &FlightsTableModel::optionsChanged, this, refind, Qt::DirectConnection);
    connect(m_files, &DataFileActions::loaded, this, refind, Qt::DirectConnection);
}

void PlotSession::setAlignAtLaunch(bool on)
{
    m_commands.alignAtLaunch->setChecked(on);
    if (on == m_plot.alignAtLaunch)
        return;
    vimo::setAlignAtLaunch(m_plot, on);
    notifyChanged();
}

// The dialogs belong to the dialog parent, which outlives the session; the undo stack (in the editor) clears itself
// as the session's children go and must not reach the commands then.
PlotSession::~PlotSession()
{
    disconnect(&m_editor->stack(), nullptr, this, nullptr);
}

// The data set list is the model of every data set view: a change of it is a change of the plot, and the active
// data set follows it.
void PlotSession::followDataSetList()
{
    DataSetList* sets = &m_plot.signals;
    connect(sets, &DataSetList::dataSetCreated, this, &PlotSession::setActiveSet);
    connect(sets, &DataSetList::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        if (!m_active && first == 0 && last == m_plot.signals.size() - 1)
            m_active = &m_plot.signals.at(0); // the first data set of an empty list becomes the active one
        followActiveSet();
    });
    connect(sets, &DataSetList::rowsAboutToBeRemoved, this, [this](const QModelIndex&, int first, int last) {
        const int active = activeSet();
        m_activeRemoved = active >= first && active <= last;
    });
    connect(sets, &DataSetList::rowsRemoved, this, [this] {
        if (m_activeRemoved)
            m_active = m_plot.signals.isEmpty() ? nullptr : &m_plot.signals.at(0);
        m_activeRemoved = false;
        followActiveSet();
    });
    connect(sets, &DataSetList::rowsMoved, this, &PlotSession::followActiveSet);
    connect(sets, &DataSetList::modelReset, this, [this] {
        m_active = nullptr;
        followActiveSet();
    });
    connect(sets, &DataSetList::dataChanged, this, &PlotSession::notifyChanged);
}

// With "As Recorded" the axis shows the unit of the first data set that knows its own. When data sets come or go
// (a delete, its undo, a load) and that unit changes, the view is converted into the new unit, so that it still
// shows the same stretch of the flights.
void PlotSession::followAxisUnit()
{
    const AltitudeUnit now = axisUnit(m_plot);
    const double factor = unitFactor(m_axisUnit, now);
    m_axisUnit = now;
    if (factor == 1.0)
        return;
    m_plot.yMin *= factor;
    m_plot.yMax *= factor;
    m_plot.homeRange.yMin *= factor;
    m_plot.homeRange.yMax *= factor;
}

// The data sets came or went: the views learn where the active one is now, then show the plot.
void PlotSession::followActiveSet()
{
    followAxisUnit();
    const int k = activeSet();
    if (k != m_announcedActive) {
        m_announcedActive = k;
        Q_EMIT activeSetChanged(k);
    }
    notifyChanged();
}

void PlotSession::connectCommands()
{
    const PlotCommands& c = m_commands;
    connect(c.load, &QAction::triggered, m_files, &DataFileActions::load);
    connect(c.save, &QAction::triggered, this, [this] { m_files->save(activeSet()); });
    connect(c.exportPlot, &QAction::triggered, m_output, &OutputActions::exportPlot);
    connect(c.print, &QAction::triggered, m_output, &OutputActions::print);
    connect(c.scale, &QAction::triggered, m_scale, &ScaleDialog::run);
    connect(c.dataProperties, &QAction::triggered, this, [this] { m_dataProperties->run(activeSet()); });
    connect(c.plotProperties, &QAction::triggered, m_plotProperties, &PlotInfoDialog::run);
    connect(c.zoomIn, &QAction::triggered, this, &PlotSession::zoomIn);
    connect(c.zoomOut, &QAction::triggered, this, &PlotSession::zoomOut);
    connect(c.zoomReset, &QAction::triggered, this, &PlotSession::resetZoom);
    connect(c.crop, &QAction::triggered, m_editor, &DataEditor::crop);
    connect(c.legendInOutput, &QAction::toggled, m_output, &OutputActions::setLegend);
    connect(c.flightMarksInOutput, &QAction::toggled, m_output, &OutputActions::setFlightMarks);
    connect(c.alignAtLaunch, &QAction::toggled, this, &PlotSession::setAlignAtLaunch);
    connect(c.copyPlot, &QAction::triggered, m_output, &OutputActions::copyPlot);
    for (QAction* unit : c.altitudeUnits())
        connect(unit, &QAction::triggered, this,
                [this, unit] { setAltitudeAxis(AltitudeAxisChoice(unit->data().toInt())); });
    // The stack enables its actions by what it can do; while an exchange runs they stay off.
    QUndoStack& stack = m_editor->stack();
    connect(&stack, &QUndoStack::canUndoChanged, this, &PlotSession::updateUndoActions);
    connect(&stack, &QUndoStack::canRedoChanged, this, &PlotSession::updateUndoActions);
}

void PlotSession::setAltitudeAxis(AltitudeAxisChoice choice)
{
    for (QAction* unit : m_commands.altitudeUnits())
        unit->setChecked(AltitudeAxisChoice(unit->data().toInt()) == choice);
    if (choice == m_plot.altitudeAxis)
        return;
    setAltitudeAxisChoice(m_plot, choice);
    m_axisUnit = axisUnit(m_plot);
    m_flights->refresh(); // the heights are shown in the new unit; a set of unknown unit is analysed in it
    notifyChanged();
}

int PlotSession::activeSet() const
{
    return m_plot.signals.indexOf(m_active);
}

void PlotSession::setActiveSet(int k)
{
    m_active = m_plot.signals.isValidIndex(k) ? &m_plot.signals.at(k) : nullptr;
    const int active = activeSet();
    if (active == m_announcedActive)
        return;
    m_announcedActive = active;
    Q_EMIT activeSetChanged(active);
}

void PlotSession::setExchangeRunning(bool running)
{
    m_exchangeRunning = running;
    for (QAction* action : {m_commands.load, m_commands.dataProperties, m_commands.crop, m_commands.scale})
        action->setEnabled(!running);
    updateUndoActions();
}

void PlotSession::updateUndoActions()
{
    m_commands.undo->setEnabled(!m_exchangeRunning && m_editor->stack().canUndo());
    m_commands.redo->setEnabled(!m_exchangeRunning && m_editor->stack().canRedo());
}

void PlotSession::notifyChanged()
{
    Q_EMIT changed();
}

void PlotSession::changePlot(const std::function<void(Plot&)>& change)
{
    change(m_plot);
    notifyChanged();
}

void PlotSession::zoomIn()
{
    vimo::zoomIn(m_plot);
    notifyChanged();
}

void PlotSession::zoomOut()
{
    vimo::zoomOut(m_plot);
    notifyChanged();
}

void PlotSession::resetZoom()
{
    resetView(m_plot);
    notifyChanged();
}

void PlotSession::pan(PanDirection direction)
{
    vimo::pan(m_plot, direction, kPanButtonFraction);
    notifyChanged();
}

bool PlotSession::plotKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (!handlePlotKey(m_plot, key, modifiers))
        return false;
    notifyChanged();
    return true;
}

void PlotSession::showFlight(int dataSet, double from, double to)
{
    if (!m_plot.signals.isValidIndex(dataSet) || !(from < to))
        return;
    setActiveSet(dataSet);
    PlotRange range = m_plot.range();
    const DataSet& set = m_plot.signals.at(dataSet);
    const SetView view = setView(m_plot, set);
    range.xMin = view.axisTime(from);
    range.xMax = view.axisTime(to);
    if (const auto stats = visibleRangeStats(set.altitude.series, from, to, view.toAxis))
        autoScaleRange(stats->lowest, stats->highest, range.yMin, range.yMax);
    m_plot.setRange(range);
    notifyChanged();
}

void PlotSession::showStartPlaceholder()
{
    m_files->placeholder().create();
    m_plot.homeRange = PlotRange{};
    notifyChanged();
}

void PlotSession::downloadArrived(int moduleSet)
{
    if (m_plot.alignAtLaunch)
        findFirstLaunches(m_plot);
    m_files->realDataArrived();
    m_files->setSelectedSet(moduleSet);
    notifyChanged();
}

void PlotSession::acceptDropsOn(QWidget* window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool PlotSession::eventFilter(QObject* watched, QEvent* event)
{
    const bool drag = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
    if (!drag && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* dropEvent = static_cast<QDropEvent*>(event);
    const QStringList paths = DataFileActions::droppedFiles(dropEvent->mimeData());
    if (paths.isEmpty() || m_exchangeRunning) {
        dropEvent->ignore();
        return true;
    }
    dropEvent->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        m_files->loadFiles(paths);
    return true;
}

} // namespace vimo
