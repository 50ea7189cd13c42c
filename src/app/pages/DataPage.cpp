#include "app/pages/DataPage.h"

#include "app/controllers/DataFileActions.h"
#include "app/controllers/OutputActions.h"
#include "app/dialogs/DataPropertiesDialog.h"
#include "app/dialogs/DialogSupport.h"
#include "app/dialogs/OutputDialog.h"
#include "app/dialogs/PlotInfoDialog.h"
#include "app/dialogs/ScaleDialog.h"
#include "app/plotview/FlightsPanel.h"
#include "app/plotview/FlightsTableModel.h"
#include "app/plotview/PlotBox.h"
#include "data/AutoScale.h"
#include "data/Plot.h"
#include "plot/DataEditor.h"
#include "plot/Navigation.h"
#include "plot/PlotKeys.h"
#include "plot/PrintSettings.h"
#include "plot/RangeStats.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vimo {
namespace {

// The height the Flights table takes when it is shown: the header, three rows and the buttons.
constexpr int kFlightsTableHeight = 140;

// Page buttons take no focus from a click: the keys stay with the plot.
QPushButton* pageButton(const char* name, const char* caption, QWidget* parent)
{
    QPushButton* button = makeButton(name, QLatin1String(caption), parent);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// A button that runs `action`: its hint is the action's tooltip, and it is enabled while the action is.
QPushButton* actionButton(const char* name, const char* caption, QAction* action, QWidget* parent)
{
    QPushButton* button = pageButton(name, caption, parent);
    button->setToolTip(action->toolTip());
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    return button;
}

QToolButton* makeArrow(const char* name, Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = named<QToolButton>(name, parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QAction* command(QObject* parent, const char* name, const QString& text, const QKeySequence& shortcut,
                 const QString& tip)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setToolTip(tip);
    return action;
}

} // namespace

DataPage::DataPage(Plot& plot, PrintSettings& print, QWidget* parent)
    : QWidget(parent), m_plot(plot), m_print(print), m_editor(new DataEditor(plot, this)),
      m_plotBox(new PlotBox(plot, *m_editor, this)), m_files(new DataFileActions(plot, this)),
      m_output(new OutputActions(plot, print, this)), m_scaleForm(new ScaleDialog(plot, this)),
      m_editInfoForm(new PlotInfoDialog(plot, this)), m_dataPropForm(new DataPropertiesDialog(plot, *m_editor, this)),
      m_flights(new FlightsTableModel(plot, this)), m_flightsPanel(new FlightsPanel(*m_flights, this))
{
    setObjectName(QStringLiteral("DataPage"));
    createCommands();
    addPlotKeys();

    StatsDisp = named<QLabel>("StatsDisp", this);
    StatsDisp->setToolTip(QStringLiteral("The active data set within the visible time range"));
    StatsDisp->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    // The plot with its statistics line above the Flights table; the table's height can be dragged.
    auto* plotArea = new QWidget(this);
    auto* plotRows = new QVBoxLayout(plotArea);
    plotRows->setContentsMargins(0, 0, 0, 0);
    plotRows->addWidget(m_plotBox, 1);
    plotRows->addWidget(StatsDisp);
    auto* left = new QSplitter(Qt::Vertical, this);
    left->setObjectName(QStringLiteral("FlightsSplitter"));
    left->setChildrenCollapsible(false);
    left->addWidget(plotArea);
    left->addWidget(m_flightsPanel);
    left->setStretchFactor(0, 3);
    left->setStretchFactor(1, 1);
    m_flightsPanel->setVisible(false);
    // Shown, the table takes a few rows' height and leaves the plot the rest.
    connect(m_commands.flightsTable, &QAction::toggled, this, [this, left](bool shown) {
        m_flightsPanel->setVisible(shown);
        if (shown)
            left->setSizes({std::max(left->height() - kFlightsTableHeight, 1), kFlightsTableHeight});
    });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(left, 1);
    layout->addWidget(buildControls());

    m_plotBox->setFlights(m_flights);
    m_output->setFlightSource([this] { return m_flights->report(activeSet()); });
    // The flights are analysed when the data change (the model follows the data set list); the plot shows the new
    // marks.
    connect(m_flights, &FlightsTableModel::modelReset, this, &DataPage::repaintPlot);
    connect(m_flightsPanel, &FlightsPanel::flightChosen, this, &DataPage::showFlight);
    connect(m_plotBox, &PlotBox::launchEndMoved, m_flights, &FlightsTableModel::setLaunchEnd);
    // The altitude label names the unit of data sets that do not name their own.
    connect(m_editInfoForm, &PlotInfoDialog::plotChanged, m_flights, &FlightsTableModel::refresh);

    connect(m_plotBox, &PlotBox::refreshed, this, &DataPage::updateStats);
    connect(m_plotBox, &PlotBox::readout, this, [this](const QString& position, const QString& rate) {
        if (!rate.isNull())
            m_rateText = rate;
        Q_EMIT readout(position, m_rateText);
    });
    connect(m_editor, &DataEditor::changed, this, &DataPage::repaintPlot);
    connect(m_scaleForm, &ScaleDialog::plotChanged, this, &DataPage::repaintPlot);
    connect(m_editInfoForm, &PlotInfoDialog::plotChanged, this, &DataPage::repaintPlot);
    connect(m_files, &DataFileActions::loaded, this, [this] {
        m_dataPropForm->showDataSetProperties(0);
        repaintPlot();
    });

    // "Active Data Set" is a view of the plot's data sets: a new data set becomes the active one; when the active
    // one is deleted the first becomes active.
    DataSetList* sets = &m_plot.signals;
    ActiveSetCombo->setModel(sets);
    connect(sets, &DataSetList::dataSetCreated, ActiveSetCombo, &QComboBox::setCurrentIndex);
    connect(sets, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex&, int first, int last) {
        const int active = ActiveSetCombo->currentIndex();
        m_activeRemoved = active >= first && active <= last;
    });
    connect(sets, &QAbstractItemModel::rowsRemoved, this, &DataPage::followDeletedActiveSet);
    connect(ActiveSetCombo, &QComboBox::currentIndexChanged, this, [this](int k) {
        m_plotBox->setActiveSet(k);
        updateStats();
    });
    ActiveSetCombo->setCurrentIndex(sets->size() - 1);
    m_plotBox->setActiveSet(ActiveSetCombo->currentIndex());
    updateStats();
}

DataPage::~DataPage()
{
    // The undo stack clears itself as the page's children go and would report to a page that is no more.
    disconnect(&m_editor->stack(), nullptr, this, nullptr);
}

void DataPage::createCommands()
{
    Commands& c = m_commands;
    c.load = command(this, "LoadAction", QStringLiteral("&Load..."), QKeySequence::Open, QStringLiteral("Load data"));
    c.save = command(this, "SaveAction", QStringLiteral("&Save..."), QKeySequence::Save, QStringLiteral("Save Data"));
    c.exportPlot = command(this, "ExportAction", QStringLiteral("&Export..."), QKeySequence(QStringLiteral("Ctrl+E")),
                           QStringLiteral("Export plot to bitmap, JPEG, GIF"));
    c.print = command(this, "PrintAction", QStringLiteral("&Print..."), QKeySequence::Print,
                      QStringLiteral("Print the plot"));
    c.scale = command(this, "ScaleAction", QStringLiteral("&Scale..."), QKeySequence(QStringLiteral("Ctrl+K")),
                      QStringLiteral("Manually set plot scale"));
    c.dataProperties = command(this, "DataPropAction", QStringLiteral("&Data Properties..."),
                               QKeySequence(QStringLiteral("Ctrl+D")), QStringLiteral("Edit Dataset Properties"));
    c.plotProperties = command(this, "PlotPropAction", QStringLiteral("P&lot Properties..."),
                               QKeySequence(QStringLiteral("Ctrl+T")), QStringLiteral("Edit plot colors and text"));
    c.zoomIn = command(this, "ZoomInAction", QStringLiteral("Zoom &In"), QKeySequence::ZoomIn,
                       QStringLiteral("Show the middle half of the visible range"));
    c.zoomOut = command(this, "ZoomOutAction", QStringLiteral("Zoom &Out"), QKeySequence::ZoomOut,
                        QStringLiteral("Show twice the visible range"));
    c.zoomReset = command(this, "ZoomResetAction", QStringLiteral("&Reset Zoom"), QKeySequence(QStringLiteral("Ctrl+0")),
                          QStringLiteral("Zoom back to original size"));
    c.crop = command(this, "CropAction", QStringLiteral("&Crop"), QKeySequence(QStringLiteral("Ctrl+R")),
                     QStringLiteral("Crop data to that shown in display"));
    c.legend = command(this, "LegendAction", QStringLiteral("&Legend"), QKeySequence(QStringLiteral("Ctrl+L")),
                       QStringLiteral("Show the name, line colour and style of each data set on the plot"));
    c.legend->setCheckable(true);
    c.flightsTable = command(this, "FlightsTableAction", QStringLiteral("&Flights Table"),
                             QKeySequence(QStringLiteral("Ctrl+Shift+T")),
                             QStringLiteral("Show the table of every flight of every data set beside the plot"));
    c.flightMarks = command(this, "FlightMarksAction", QStringLiteral("Flight &Marks"),
                            QKeySequence(QStringLiteral("Ctrl+M")),
                            QStringLiteral("Mark the start height, launch, landing and climbs of the active data set"));
    c.flightMarksInOutput = command(this, "FlightMarksInOutputAction", QStringLiteral("Flight Marks in Exports and Pr&ints"),
                                    QKeySequence(QStringLiteral("Ctrl+Shift+M")),
                                    QStringLiteral("Draw the flight marks on exported and printed plots as well"));
    for (QAction* toggle : {c.flightsTable, c.flightMarks, c.flightMarksInOutput})
        toggle->setCheckable(true);

    QUndoStack& stack = m_editor->stack();
    c.undo = stack.createUndoAction(this, QStringLiteral("&Undo"));
    c.undo->setObjectName(QStringLiteral("UndoAction"));
    c.undo->setShortcuts(QKeySequence::Undo);
    c.undo->setToolTip(QStringLiteral("Take back the last change of the data sets"));
    c.redo = stack.createRedoAction(this, QStringLiteral("&Redo"));
    c.redo->setObjectName(QStringLiteral("RedoAction"));
    c.redo->setShortcuts(QKeySequence::Redo);
    c.redo->setToolTip(QStringLiteral("Make the last change taken back again"));
    // The stack enables its actions by what it can do; while an exchange runs they stay off.
    connect(&stack, &QUndoStack::canUndoChanged, this, &DataPage::updateUndoActions);
    connect(&stack, &QUndoStack::canRedoChanged, this, &DataPage::updateUndoActions);

    connect(c.load, &QAction::triggered, m_files, &DataFileActions::load);
    connect(c.save, &QAction::triggered, this, [this] { m_files->save(activeSet()); });
    connect(c.exportPlot, &QAction::triggered, m_output, &OutputActions::exportPlot);
    connect(c.print, &QAction::triggered, m_output, &OutputActions::print);
    connect(c.scale, &QAction::triggered, m_scaleForm, &ScaleDialog::run);
    connect(c.dataProperties, &QAction::triggered, this, [this] { m_dataPropForm->run(activeSet()); });
    connect(c.plotProperties, &QAction::triggered, m_editInfoForm, &PlotInfoDialog::run);
    connect(c.zoomIn, &QAction::triggered, this, [this] {
        zoomIn(m_plot);
        repaintPlot();
    });
    connect(c.zoomOut, &QAction::triggered, this, [this] {
        zoomOut(m_plot);
        repaintPlot();
    });
    connect(c.zoomReset, &QAction::triggered, this, [this] {
        resetView(m_plot);
        repaintPlot();
    });
    connect(c.crop, &QAction::triggered, m_editor, &DataEditor::crop);
    connect(c.legend, &QAction::toggled, m_plotBox, &PlotBox::setLegendShown);
    connect(c.flightMarks, &QAction::toggled, m_plotBox, &PlotBox::setFlightMarksShown);
    connect(c.flightMarksInOutput, &QAction::toggled, m_output, &OutputActions::setFlightMarks);

    // On the page as well, so that the shortcuts work wherever the page is shown (the window adds them to its
    // menus too).
    addActions({c.load, c.save, c.exportPlot, c.print, c.undo, c.redo, c.scale, c.dataProperties, c.plotProperties,
                c.zoomIn, c.zoomOut, c.zoomReset, c.crop, c.legend, c.flightsTable, c.flightMarks,
                c.flightMarksInOutput});
}

// The plot keys: Ctrl+arrows stretch an axis (with Shift as well: Ctrl wins), Shift+arrows pan, Home with any
// modifiers shows the start-up view. They are actions of this page only, so they act only while it is shown.
void DataPage::addPlotKeys()
{
    struct PlotKey {
        const char* name;
        const char* text;
        QList<QKeySequence> keys;
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    const auto with = [](Qt::KeyboardModifiers m, Qt::Key k) { return QKeySequence(QKeyCombination(m, k)); };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    QList<QKeySequence> home;
    for (int m = 0; m < 16; ++m) {
        Qt::KeyboardModifiers mods;
        mods.setFlag(Qt::ShiftModifier, m & 1);
        mods.setFlag(Qt::ControlModifier, m & 2);
        mods.setFlag(Qt::AltModifier, m & 4);
        mods.setFlag(Qt::MetaModifier, m & 8);
        home << with(mods, Qt::Key_Home);
    }
    const PlotKey keys[] = {
        {"StretchTimeAction", "Widen Time Span", {with(ctrl, Qt::Key_Left), with(ctrlShift, Qt::Key_Left)},
         Qt::Key_Left, ctrl},
        {"ShrinkTimeAction", "Narrow Time Span", {with(ctrl, Qt::Key_Right), with(ctrlShift, Qt::Key_Right)},
         Qt::Key_Right, ctrl},
        {"ShrinkAltitudeAction", "Narrow Altitude Span", {with(ctrl, Qt::Key_Up), with(ctrlShift, Qt::Key_Up)},
         Qt::Key_Up, ctrl},
        {"StretchAltitudeAction", "Widen Altitude Span", {with(ctrl, Qt::Key_Down), with(ctrlShift, Qt::Key_Down)},
         Qt::Key_Down, ctrl},
        {"PanLeftAction", "Pan Left", {with(shift, Qt::Key_Left)}, Qt::Key_Left, shift},
        {"PanRightAction", "Pan Right", {with(shift, Qt::Key_Right)}, Qt::Key_Right, shift},
        {"PanUpAction", "Pan Up", {with(shift, Qt::Key_Up)}, Qt::Key_Up, shift},
        {"PanDownAction", "Pan Down", {with(shift, Qt::Key_Down)}, Qt::Key_Down, shift},
        {"HomeViewAction", "Start-up View", home, Qt::Key_Home, {}},
    };
    for (const PlotKey& k : keys) {
        auto* action = new QAction(QLatin1String(k.text), this);
        action->setObjectName(QLatin1String(k.name));
        action->setShortcuts(k.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(action->text(), k.keys.constFirst().toString()));
        const int key = k.key;
        const Qt::KeyboardModifiers modifiers = k.modifiers;
        connect(action, &QAction::triggered, this, [this, key, modifiers] {
            if (handlePlotKey(m_plot, key, modifiers))
                repaintPlot();
        });
        addAction(action);
    }
}

QWidget* DataPage::buildControls()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    const Commands& c = m_commands;

    auto* zoom = new QGroupBox(QStringLiteral("Zoom"), panel);
    auto* zoomGrid = new QGridLayout(zoom);
    auto* zoomInBtn = pageButton("ZoomInBtn", "IN", zoom);
    auto* zoomOutBtn = pageButton("ZoomOutBtn", "OUT", zoom);
    connect(zoomInBtn, &QPushButton::clicked, c.zoomIn, &QAction::trigger);
    connect(zoomOutBtn, &QPushButton::clicked, c.zoomOut, &QAction::trigger);
    zoomGrid->addWidget(zoomInBtn, 0, 0);
    zoomGrid->addWidget(zoomOutBtn, 0, 1);
    zoomGrid->addWidget(actionButton("ZoomResetBtn", "Reset", c.zoomReset, zoom), 1, 0);
    zoomGrid->addWidget(actionButton("ZoomCropBtn", "Crop", c.crop, zoom), 1, 1);
    column->addWidget(zoom);

    auto* panGroup = new QGroupBox(QStringLiteral("Pan"), panel);
    panGroup->setObjectName(QStringLiteral("PanGrp"));
    auto* panGrid = new QGridLayout(panGroup);
    const struct {
        const char* name;
        Qt::ArrowType arrow;
        PanDirection direction;
        int row, col;
    } arrows[] = {{"PanUpBtn", Qt::UpArrow, PanDirection::Up, 0, 1},
                  {"PanLtBtn", Qt::LeftArrow, PanDirection::Left, 1, 0},
                  {"PanRtBtn", Qt::RightArrow, PanDirection::Right, 1, 2},
                  {"PanDnBtn", Qt::DownArrow, PanDirection::Down, 2, 1}};
    // A compact cross of arrows in the middle of the group.
    panGrid->setSpacing(2);
    panGrid->setColumnStretch(0, 1);
    panGrid->setColumnStretch(4, 1);
    for (const auto& a : arrows) {
        QToolButton* button = makeArrow(a.name, a.arrow, panGroup);
        button->setFixedSize(30, 24);
        panGrid->addWidget(button, a.row, a.col + 1);
        const PanDirection direction = a.direction;
        connect(button, &QToolButton::clicked, this, [this, direction] {
            pan(m_plot, direction, kPanButtonFraction);
            repaintPlot();
        });
    }
    column->addWidget(panGroup);

    auto* mouse = new QGroupBox(QStringLiteral("Mouse"), panel);
    mouse->setObjectName(QStringLiteral("MouseGrp"));
    auto* mouseRows = new QVBoxLayout(mouse);
    m_mouseModes = new QButtonGroup(mouse);
    const char* modes[] = {"Zoom", "Climb", "Peak"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QLatin1String(modes[i]), mouse);
        radio->setFocusPolicy(Qt::TabFocus);
        m_mouseModes->addButton(radio, i);
        mouseRows->addWidget(radio);
    }
    m_mouseModes->button(PlotBox::Zoom)->setChecked(true);
    connect(m_mouseModes, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_plotBox->setMouseMode(PlotBox::MouseMode(id));
    });
    column->addWidget(mouse);

    column->addWidget(new QLabel(QStringLiteral("Active Data Set"), panel));
    ActiveSetCombo = named<QComboBox>("ActiveSetCombo", panel);
    column->addWidget(ActiveSetCombo);

    auto* buttons = new QGridLayout;
    QPushButton* const order[] = {actionButton("ScaleBtn", "Scale", c.scale, panel),
                                  actionButton("DataPropBtn", "Data Properties", c.dataProperties, panel),
                                  actionButton("EditBtn", "Plot Properties", c.plotProperties, panel),
                                  actionButton("LoadBtn", "Load", c.load, panel),
                                  actionButton("SaveBtn", "Save", c.save, panel),
                                  actionButton("ExportBtn", "Export", c.exportPlot, panel),
                                  actionButton("PrtBtn", "Print", c.print, panel)};
    for (int i = 0; i < int(std::size(order)); ++i)
        buttons->addWidget(order[i], i / 2, i % 2);
    column->addLayout(buttons);

    ShowPointsChk = named<QCheckBox>("ShowPointsChk", QStringLiteral("Show Points"), panel);
    ShowPointsChk->setVisible(false);
    column->addWidget(ShowPointsChk);
    column->addStretch();
    connect(ShowPointsChk, &QCheckBox::clicked, this, &DataPage::repaintPlot);
    return panel;
}

int DataPage::activeSet() const
{
    return ActiveSetCombo->currentIndex();
}

void DataPage::setActiveSet(int k)
{
    ActiveSetCombo->setCurrentIndex(k);
}

void DataPage::repaintPlot()
{
    m_plotBox->refresh();
}

void DataPage::setExchangeRunning(bool running)
{
    m_exchangeRunning = running;
    for (QAction* action : {m_commands.load, m_commands.dataProperties, m_commands.crop, m_commands.scale})
        action->setEnabled(!running);
    updateUndoActions();
}

void DataPage::updateUndoActions()
{
    m_commands.undo->setEnabled(!m_exchangeRunning && m_editor->stack().canUndo());
    m_commands.redo->setEnabled(!m_exchangeRunning && m_editor->stack().canRedo());
}

void DataPage::hideEvent(QHideEvent* event)
{
    m_rateText.clear();
    QWidget::hideEvent(event);
}

bool DataPage::showPoints() const
{
    return ShowPointsChk->isChecked();
}

void DataPage::setShowPoints(bool on)
{
    ShowPointsChk->setChecked(on);
}

bool DataPage::legendShown() const
{
    return m_commands.legend->isChecked();
}

void DataPage::setLegendShown(bool shown)
{
    m_commands.legend->setChecked(shown);
}

bool DataPage::flightsTableShown() const
{
    return m_commands.flightsTable->isChecked();
}

void DataPage::setFlightsTableShown(bool shown)
{
    m_commands.flightsTable->setChecked(shown);
}

bool DataPage::flightMarksShown() const
{
    return m_commands.flightMarks->isChecked();
}

void DataPage::setFlightMarksShown(bool shown)
{
    m_commands.flightMarks->setChecked(shown);
}

bool DataPage::flightMarksInOutput() const
{
    return m_commands.flightMarksInOutput->isChecked();
}

void DataPage::setFlightMarksInOutput(bool on)
{
    m_commands.flightMarksInOutput->setChecked(on);
}

// The chosen flight's data set becomes the active one, and the plot shows the flight's time and the altitudes
// its data set reaches in that time (the altitude range stays when none are there).
void DataPage::showFlight(int dataSet, double from, double to)
{
    if (!m_plot.signals.isValidIndex(dataSet) || !(from < to))
        return;
    ActiveSetCombo->setCurrentIndex(dataSet);
    PlotRange range = m_plot.range();
    range.xMin = from;
    range.xMax = to;
    if (const auto stats = visibleRangeStats(m_plot.signals.at(dataSet).altitude.series, from, to))
        autoScaleRange(stats->lowest, stats->highest, range.yMin, range.yMax);
    m_plot.setRange(range);
    repaintPlot();
}

void DataPage::setSelectedSet(int set)
{
    m_files->setSelectedSet(set);
}

void DataPage::applySettings(const AppSettings& settings)
{
    m_print.widthInches = settings.prtWidth;
    m_print.heightInches = settings.prtHeight;
    m_print.inColor = settings.prtColor;
    setShowPoints(settings.showPoints);
    m_editInfoForm->restoreSwitches(settings.showInfo, settings.showBackground, settings.showAvgRoc);
    m_output->outputDialog().restore();
    m_output->setExportType(settings.exportType);
    repaintPlot();
}

void DataPage::collectSettings(AppSettings& settings) const
{
    settings.showPoints = showPoints();
    settings.showInfo = m_plot.showInfo;
    settings.showBackground = m_plot.showBackground;
    settings.showAvgRoc = m_plot.showAvgClimb;
    settings.prtWidth = m_print.widthInches;
    settings.prtHeight = m_print.heightInches;
    settings.prtColor = m_print.inColor;
    settings.exportType = m_output->exportType();
}

void DataPage::updateStats()
{
    const int k = activeSet();
    if (!m_plot.signals.isValidIndex(k)) {
        StatsDisp->setText(QStringLiteral("No data set"));
        return;
    }
    const SampleSeries& series = m_plot.signals.at(k).altitude.series;
    StatsDisp->setText(rangeStatsText(visibleRangeStats(series, m_plot.xMin, m_plot.xMax)));
}

void DataPage::followDeletedActiveSet()
{
    if (m_activeRemoved)
        ActiveSetCombo->setCurrentIndex(m_plot.signals.isEmpty() ? -1 : 0);
    m_activeRemoved = false;
}

void DataPage::acceptDropsOn(QWidget* window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool DataPage::eventFilter(QObject* watched, QEvent* event)
{
    const bool drag = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
    if (!drag && event->type() != QEvent::Drop)
        return QWidget::eventFilter(watched, event);
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
