#include "app/pages/DataPage.h"

#include "app/dialogs/DialogSupport.h"
#include "app/plotview/FlightsPanel.h"
#include "app/plotview/FlightsTableModel.h"
#include "app/plotview/PlotBox.h"
#include "app/session/PlotSession.h"
#include "data/AltitudeAxis.h"
#include "data/Plot.h"
#include "plot/RangeStats.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
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

} // namespace

DataPage::DataPage(PlotSession& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_plotBox(new PlotBox(session.plot(), session.editor(), this)),
      m_flightsPanel(new FlightsPanel(session.flights(), this)),
      m_flightsTable(new QAction(QStringLiteral("&Flights Table"), this))
{
    setObjectName(QStringLiteral("DataPage"));
    m_flightsTable->setObjectName(QStringLiteral("FlightsTableAction"));
    m_flightsTable->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+T")));
    m_flightsTable->setToolTip(QStringLiteral("Show the table of every flight of every data set beside the plot"));
    m_flightsTable->setCheckable(true);
    // On the page, so that the keys work wherever the page is shown (the window adds them to its menus too).
    addActions(session.commands().all());
    addAction(m_flightsTable);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildPlotArea(), 1);
    layout->addWidget(buildControls());
    connectSession();
}

// The plot with its statistics line above the Flights table; the table's height can be dragged.
QSplitter* DataPage::buildPlotArea()
{
    m_statsLine = named<QLabel>("StatsDisp", this);
    m_statsLine->setToolTip(QStringLiteral("The active data set within the visible time range"));
    m_statsLine->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* plotArea = new QWidget(this);
    auto* plotRows = new QVBoxLayout(plotArea);
    plotRows->setContentsMargins(0, 0, 0, 0);
    plotRows->addWidget(m_plotBox, 1);
    plotRows->addWidget(m_statsLine);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("FlightsSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(plotArea);
    splitter->addWidget(m_flightsPanel);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    m_flightsPanel->setVisible(false);
    // Shown, the table takes a few rows' height and leaves the plot the rest.
    connect(m_flightsTable, &QAction::toggled, this, [this, splitter](bool shown) {
        m_flightsPanel->setVisible(shown);
        if (shown)
            splitter->setSizes({std::max(splitter->height() - kFlightsTableHeight, 1), kFlightsTableHeight});
    });
    return splitter;
}

// The page shows what the session holds and hands the user's requests to it.
void DataPage::connectSession()
{
    PlotSession& session = m_session;
    const PlotCommands& c = session.commands();
    m_plotBox->setFlights(&session.flights());
    connect(&session, &PlotSession::changed, m_plotBox, &PlotBox::refresh);
    connect(&session, &PlotSession::activeSetChanged, this, &DataPage::showActiveSet);
    // The box shows what the View toggles say now (a second view opens with them as they are) and follows them.
    const std::pair<QAction*, void (PlotBox::*)(bool)> toggles[] = {
        {c.legend, &PlotBox::setLegendShown},
        {c.flightMarks, &PlotBox::setFlightMarksShown},
        {c.cursorReadout, &PlotBox::setCursorReadoutShown},
        {c.climbRate, &PlotBox::setClimbRateShown},
    };
    for (const auto& [action, show] : toggles) {
        (m_plotBox->*show)(action->isChecked());
        connect(action, &QAction::toggled, m_plotBox, show);
    }
    connect(m_plotBox, &PlotBox::viewChanged, &session, &PlotSession::notifyChanged);
    connect(m_plotBox, &PlotBox::launchEndMoved, &session.flights(), &FlightsTableModel::setLaunchEnd);
    connect(m_plotBox, &PlotBox::refreshed, this, &DataPage::updateStats);
    connect(m_plotBox, &PlotBox::readout, this, [this](const QString& position, const QString& rate) {
        if (!rate.isNull())
            m_rateText = rate;
        Q_EMIT readout(position, m_rateText);
    });
    connect(m_flightsPanel, &FlightsPanel::flightChosen, &session, &PlotSession::showFlight);

    // "Active Data Set" is a view of the plot's data sets that shows the session's active one.
    m_activeSetBox->setModel(&session.plot().signals);
    connect(m_activeSetBox, &QComboBox::currentIndexChanged, &session, &PlotSession::setActiveSet);
    showActiveSet(session.activeSet());
}

void DataPage::showActiveSet(int k)
{
    m_activeSetBox->setCurrentIndex(k);
    m_plotBox->setActiveSet(k);
    updateStats();
}

QWidget* DataPage::buildZoomGroup(QWidget* parent)
{
    const PlotCommands& c = m_session.commands();
    auto* zoom = new QGroupBox(QStringLiteral("Zoom"), parent);
    auto* zoomGrid = new QGridLayout(zoom);
    auto* zoomInButton = pageButton("ZoomInBtn", "IN", zoom);
    auto* zoomOutButton = pageButton("ZoomOutBtn", "OUT", zoom);
    connect(zoomInButton, &QPushButton::clicked, c.zoomIn, &QAction::trigger);
    connect(zoomOutButton, &QPushButton::clicked, c.zoomOut, &QAction::trigger);
    zoomGrid->addWidget(zoomInButton, 0, 0);
    zoomGrid->addWidget(zoomOutButton, 0, 1);
    zoomGrid->addWidget(actionButton("ZoomResetBtn", "Reset", c.zoomReset, zoom), 1, 0);
    zoomGrid->addWidget(actionButton("ZoomCropBtn", "Crop", c.crop, zoom), 1, 1);
    return zoom;
}

// A compact cross of arrows in the middle of the group.
QWidget* DataPage::buildPanGroup(QWidget* parent)
{
    auto* panGroup = new QGroupBox(QStringLiteral("Pan"), parent);
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
    panGrid->setSpacing(2);
    panGrid->setColumnStretch(0, 1);
    panGrid->setColumnStretch(4, 1);
    for (const auto& a : arrows) {
        QToolButton* button = makeArrow(a.name, a.arrow, panGroup);
        button->setFixedSize(30, 24);
        panGrid->addWidget(button, a.row, a.col + 1);
        connect(button, &QToolButton::clicked, &m_session,
                [this, direction = a.direction] { m_session.pan(direction); });
    }
    return panGroup;
}

QWidget* DataPage::buildMouseGroup(QWidget* parent)
{
    auto* mouse = new QGroupBox(QStringLiteral("Mouse"), parent);
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
    return mouse;
}

QWidget* DataPage::buildControls()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildZoomGroup(panel));
    column->addWidget(buildPanGroup(panel));
    column->addWidget(buildMouseGroup(panel));
    column->addWidget(new QLabel(QStringLiteral("Active Data Set"), panel));
    m_activeSetBox = named<QComboBox>("ActiveSetCombo", panel);
    column->addWidget(m_activeSetBox);

    const PlotCommands& c = m_session.commands();
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

    m_showPointsBox = named<QCheckBox>("ShowPointsChk", QStringLiteral("Show Points"), panel);
    m_showPointsBox->setVisible(false);
    column->addWidget(m_showPointsBox);
    column->addStretch();
    connect(m_showPointsBox, &QCheckBox::clicked, &m_session, &PlotSession::notifyChanged);
    return panel;
}

void DataPage::hideEvent(QHideEvent* event)
{
    m_rateText.clear();
    QWidget::hideEvent(event);
}

bool DataPage::showPoints() const
{
    return m_showPointsBox->isChecked();
}

void DataPage::setShowPoints(bool on)
{
    m_showPointsBox->setChecked(on);
}

void DataPage::updateStats()
{
    const Plot& plot = m_session.plot();
    const int k = m_session.activeSet();
    if (!plot.signals.isValidIndex(k)) {
        m_statsLine->setText(QStringLiteral("No data set"));
        return;
    }
    m_statsLine->setText(rangeStatsText(visibleRangeStats(plot, k)));
}

} // namespace vimo
