#include "app/pages/DataPageContent.h"

#include "app/controllers/DataFileActions.h"
#include "app/dialogs/DataPropertiesDialog.h"
#include "plot/DataEditor.h"
#include "app/dialogs/DialogSupport.h"
#include "app/dialogs/PlotInfoDialog.h"
#include "app/controllers/OutputActions.h"
#include "app/dialogs/OutputDialog.h"
#include "app/plotview/PlotBox.h"
#include "app/dialogs/ScaleDialog.h"
#include "data/Plot.h"
#include "plot/Navigation.h"
#include "plot/PlotKeys.h"
#include "plot/PrintSettings.h"
#include "plot/RangeStats.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vimo {
namespace {

// Page buttons take no focus from a click: the keys stay with the plot.
QPushButton* pageButton(const char* name, const char* caption, const char* hint, QWidget* parent)
{
    QPushButton* button = makeButton(name, QLatin1String(caption), parent, hint);
    button->setFocusPolicy(Qt::TabFocus);
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

DataPageContent::DataPageContent(Plot& plot, QWidget* parent)
    : QWidget(parent), m_plot(plot), m_editor(new DataEditor(plot, this)),
      m_plotBox(new PlotBox(plot, *m_editor, this)),
      m_files(new DataFileActions(plot, this)), m_output(new OutputActions(plot, printSettings(), this)),
      m_scaleForm(new ScaleDialog(plot, this)),
      m_editInfoForm(new PlotInfoDialog(plot, this)), m_dataPropForm(new DataPropertiesDialog(plot, *m_editor, this))
{
    setObjectName(QStringLiteral("DataPageContent"));
    StatsDisp = named<QLabel>("StatsDisp", this);
    StatsDisp->setToolTip(QStringLiteral("The active data set within the visible time range"));
    StatsDisp->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* left = new QVBoxLayout;
    left->addWidget(m_plotBox, 1);
    left->addWidget(StatsDisp);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left, 1);
    layout->addWidget(buildControls());

    connect(m_plotBox, &PlotBox::refreshed, this, &DataPageContent::updateStats);
    connect(m_plotBox, &PlotBox::readout, this, [this](const QString& position, const QString& rate) {
        if (!rate.isNull())
            m_rateText = rate;
        Q_EMIT readout(position, m_rateText);
    });
    connect(m_editor, &DataEditor::changed, this, &DataPageContent::repaintPlot);
    connect(m_scaleForm, &ScaleDialog::plotChanged, this, &DataPageContent::repaintPlot);
    connect(m_editInfoForm, &PlotInfoDialog::plotChanged, this, &DataPageContent::repaintPlot);
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
    connect(sets, &QAbstractItemModel::rowsRemoved, this, &DataPageContent::followDeletedActiveSet);
    connect(ActiveSetCombo, &QComboBox::currentIndexChanged, this, [this](int k) {
        m_plotBox->setActiveSet(k);
        updateStats();
    });
    ActiveSetCombo->setCurrentIndex(sets->size() - 1);
    m_plotBox->setActiveSet(ActiveSetCombo->currentIndex());
    updateStats();
}

DataPageContent::~DataPageContent() = default;

QWidget* DataPageContent::buildControls()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* zoom = new QGroupBox(QStringLiteral("Zoom"), panel);
    auto* zoomGrid = new QGridLayout(zoom);
    auto* zoomInBtn = pageButton("ZoomInBtn", "IN", nullptr, zoom);
    auto* zoomOutBtn = pageButton("ZoomOutBtn", "OUT", nullptr, zoom);
    auto* reset = pageButton("ZoomResetBtn", "Reset", "Zoom back to original size", zoom);
    ZoomCropBtn = pageButton("ZoomCropBtn", "Crop", "Crop data to that shown in display", zoom);
    zoomGrid->addWidget(zoomInBtn, 0, 0);
    zoomGrid->addWidget(zoomOutBtn, 0, 1);
    zoomGrid->addWidget(reset, 1, 0);
    zoomGrid->addWidget(ZoomCropBtn, 1, 1);
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

    auto* actions = new QGridLayout;
    ScaleBtn = pageButton("ScaleBtn", "Scale", "Manually set plot scale", panel);
    DataPropBtn = pageButton("DataPropBtn", "Data Properties", "Edit Dataset Properties", panel);
    auto* edit = pageButton("EditBtn", "Plot Properties", "Edit plot colors and text", panel);
    LoadBtn = pageButton("LoadBtn", "Load", "Load data", panel);
    auto* save = pageButton("SaveBtn", "Save", "Save Data", panel);
    auto* exportBtn = pageButton("ExportBtn", "Export", "Export plot to bitmap, JPEG, GIF", panel);
    auto* print = pageButton("PrtBtn", "Print", "Print the plot", panel);
    QPushButton* const order[] = {ScaleBtn, DataPropBtn, edit, LoadBtn, save, exportBtn, print};
    for (int i = 0; i < int(std::size(order)); ++i)
        actions->addWidget(order[i], i / 2, i % 2);
    column->addLayout(actions);

    ShowPointsChk = named<QCheckBox>("ShowPointsChk", QStringLiteral("Show Points"), panel);
    ShowPointsChk->setVisible(false);
    column->addWidget(ShowPointsChk);
    column->addStretch();

    connect(zoomInBtn, &QPushButton::clicked, this, [this] {
        zoomIn(m_plot);
        repaintPlot();
    });
    connect(zoomOutBtn, &QPushButton::clicked, this, [this] {
        zoomOut(m_plot);
        repaintPlot();
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        resetView(m_plot);
        repaintPlot();
    });
    connect(ZoomCropBtn, &QPushButton::clicked, m_editor, &DataEditor::crop);
    connect(ShowPointsChk, &QCheckBox::clicked, this, &DataPageContent::repaintPlot);
    connect(ScaleBtn, &QPushButton::clicked, m_scaleForm, &ScaleDialog::run);
    connect(edit, &QPushButton::clicked, m_editInfoForm, &PlotInfoDialog::run);
    connect(DataPropBtn, &QPushButton::clicked, m_dataPropForm, &DataPropertiesDialog::run);
    connect(LoadBtn, &QPushButton::clicked, m_files, &DataFileActions::load);
    connect(save, &QPushButton::clicked, this, [this] { m_files->save(activeSet()); });
    connect(print, &QPushButton::clicked, m_output, &OutputActions::print);
    connect(exportBtn, &QPushButton::clicked, m_output, &OutputActions::exportPlot);
    return panel;
}

int DataPageContent::activeSet() const
{
    return ActiveSetCombo->currentIndex();
}

void DataPageContent::repaintPlot()
{
    m_plotBox->refresh();
}

void DataPageContent::setExchangeRunning(bool running)
{
    m_exchangeRunning = running;
    for (QWidget* w : {static_cast<QWidget*>(LoadBtn), static_cast<QWidget*>(DataPropBtn),
                       static_cast<QWidget*>(ZoomCropBtn), static_cast<QWidget*>(ScaleBtn)})
        w->setEnabled(!running);
}

bool DataPageContent::handleKey(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        if (!m_exchangeRunning) {
            if (event->matches(QKeySequence::Undo))
                m_editor->undo();
            else
                m_editor->redo();
        }
        return true;
    }
    if (!handlePlotKey(m_plot, event->key(), event->modifiers()))
        return false;
    repaintPlot();
    return true;
}

void DataPageContent::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

void DataPageContent::hideEvent(QHideEvent* event)
{
    m_rateText.clear();
    QWidget::hideEvent(event);
}

bool DataPageContent::showPoints() const
{
    return ShowPointsChk->isChecked();
}

void DataPageContent::setShowPoints(bool on)
{
    ShowPointsChk->setChecked(on);
}

void DataPageContent::restoreSwitches(bool showInfo, bool showBackground, bool showAvgClimb)
{
    m_editInfoForm->restoreSwitches(showInfo, showBackground, showAvgClimb);
    repaintPlot();
}

void DataPageContent::restoreOutput(int exportType)
{
    m_output->outputDialog().restore();
    m_output->setExportType(exportType);
}

int DataPageContent::exportType() const
{
    return m_output->exportType();
}

void DataPageContent::updateStats()
{
    const int k = activeSet();
    if (!m_plot.signals.isValidIndex(k)) {
        StatsDisp->setText(QStringLiteral("No data set"));
        return;
    }
    const SampleSeries& series = m_plot.signals.at(k).altitude.series;
    StatsDisp->setText(rangeStatsText(visibleRangeStats(series, m_plot.xMin, m_plot.xMax)));
}

void DataPageContent::followDeletedActiveSet()
{
    if (m_activeRemoved)
        ActiveSetCombo->setCurrentIndex(m_plot.signals.isEmpty() ? -1 : 0);
    m_activeRemoved = false;
}

void DataPageContent::acceptDropsOn(QWidget* window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool DataPageContent::eventFilter(QObject* watched, QEvent* event)
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
