#include "app/MainForm.h"

#include "app/AboutPage.h"
#include "app/AppInfo.h"
#include "app/ConfigurePage.h"
#include "app/ConnectPage.h"
#include "app/DataPage.h"
#include "app/LogPage.h"
#include "app/ModuleActions.h"
#include "app/ModuleController.h"
#include "app/Prompts.h"
#include "data/Plot.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

// The icons are compiled into the window's static library; its resources must be registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(vimo);
}

namespace vimo {
namespace {

QLabel* statusPanel(const char* name, int minimumWidth, QWidget* parent)
{
    auto* panel = new QLabel(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setMinimumWidth(minimumWidth);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return panel;
}

QSettings settingsStore()
{
    return QSettings(QString::fromLatin1(appinfo::kOrganisation), QString::fromLatin1(appinfo::kName));
}

} // namespace

TMainForm::TMainForm(Prompts* prompts, QWidget* parent, const Timing& timing)
    : QMainWindow(parent),
      PageControl(new QTabWidget(this)),
      connectPage(new ConnectPage(PageControl)),
      configurePage(new ConfigurePage(PageControl)),
      dataPage(new DataPage(PageControl)),
      logPage(new LogPage(PageControl)),
      aboutPage(new AboutPage(PageControl)),
      SimulateChk(new QCheckBox(QStringLiteral("Simulate Target"), this)),
      CloseBtn(new QPushButton(QStringLiteral("Close"), this)),
      Timer3(new QTimer(this)),
      m_ownPrompts(prompts ? nullptr : std::make_unique<DialogPrompts>()),
      m_prompts(prompts ? *prompts : *m_ownPrompts),
      m_module(std::make_unique<ModuleController>(this, m_prompts, ModuleController::LinkFactory{}, timing))
{
    registerResources();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromLatin1(appinfo::kName));
    setWindowIcon(QIcon(QStringLiteral(":/vimo/icon-256.png")));

    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setDocumentMode(false);
    PageControl->addTab(connectPage, QStringLiteral("Connect / Download"));
    PageControl->addTab(configurePage, QStringLiteral("Configure"));
    PageControl->addTab(dataPage, QStringLiteral("Recorded Data"));
    PageControl->addTab(logPage, QStringLiteral("Log Data"));
    PageControl->addTab(aboutPage, QStringLiteral("About"));
    PageControl->setTabVisible(PageControl->indexOf(logPage), false);

    SimulateChk->setObjectName(QStringLiteral("SimulateChk"));
    SimulateChk->setVisible(false);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    CloseBtn->setMinimumWidth(100);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->addWidget(PageControl, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(SimulateChk);
    bottom->addStretch(1);
    bottom->addWidget(CloseBtn);
    layout->addLayout(bottom);
    setCentralWidget(central);
    buildStatusBar();

    // The designed start state: the window's place and size, a border that cannot be resized.
    move(AppSettings::kDefaultLeft, AppSettings::kDefaultTop);
    setSizeable(false);

    m_actions = new ModuleActions(*this, *m_module, m_prompts);
    connect(m_module.get(), &ModuleController::busyChanged, this, [this](bool busy) {
        if (!busy && m_closeWhenIdle)
            close();
    });

    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(PageControl, &QTabWidget::currentChanged, this, &TMainForm::PageControlChange);
    connect(dataPage, &DataPage::readout, this, [this](const QString& xy, const QString& roc) {
        XYDisp->setText(xy);
        ROCDisp->setText(roc);
    });

    // The About page greets the user for three seconds from the window's creation.
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setSingleShot(true);
    Timer3->setInterval(kStartupTimerMs);
    connect(Timer3, &QTimer::timeout, this, &TMainForm::Timer3Timer);
    Timer3->start();

    // Key preview: the window sees key presses before the focused control.
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm()
{
    // The worker ends first: nothing it sends may reach a window that is going away.
    m_module.reset();
}

void TMainForm::buildStatusBar()
{
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusPanel"));
    bar->setSizeGripEnabled(false);
    ConnectStatusDisp = statusPanel("ConnectStatusDisp", 120, bar);
    ConnectStatusDisp->setText(QStringLiteral("Not Connected"));
    ProgressBar1 = new QProgressBar(bar);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setMaximumWidth(180);
    ProgressBar1->setVisible(false);
    LogDisp = statusPanel("LogDisp", 70, bar);
    XYDisp = statusPanel("XYDisp", 180, bar);
    ROCDisp = statusPanel("ROCDisp", 160, bar);
    bar->addWidget(ConnectStatusDisp);
    bar->addWidget(ProgressBar1);
    bar->addWidget(LogDisp);
    bar->addWidget(XYDisp, 1);
    bar->addWidget(ROCDisp, 1);
    setStatusBar(bar);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstShow)
        FormShow();
}

// The first show: runs once.
void TMainForm::FormShow()
{
    m_firstShow = false;

    m_actions->discoverPorts();
    m_plot = std::make_unique<Plot>();

    QSettings store = settingsStore();
    AppSettings settings = readSettings(store);
    SettingsContext context;
    context.portCount = connectPage->CommPortBox->count();
    for (const QScreen* screen : QGuiApplication::screens())
        context.screens.append(screen->availableGeometry());
    context.windowSize = frameGeometry().size();
    bringIntoRange(settings, context);
    applySettings(settings);

    aboutPage->showIcon();
    PageControl->setCurrentWidget(aboutPage);

    // The plot's start state: its designed texts and ranges with the restored colours and switches.
    m_plot->signals.createDataSet();
    m_plot->homeRange = PlotRange{};
    dataPage->setPlot(m_plot.get());

    aboutPage->VersionInfo->setText(appinfo::versionText());
    aboutPage->BuildInfo->setText(appinfo::buildText());
    m_actions->showRecordInterval();
}

void TMainForm::applySettings(const AppSettings& s)
{
    connectPage->CommPortBox->setCurrentIndex(s.comPort);
    m_speedIndex = s.baudRate;
    connectPage->SpeedBox->setCurrentIndex(s.baudRate);
    move(s.left, s.top);
    SimulateChk->setChecked(s.simulateTarget);
    connectPage->SizeChk->setChecked(s.sizeable);
    configurePage->applySettings(s);
    m_module->module().config.baseInterval = s.interval;

    m_plot->backgroundColor = s.bgColor;
    m_plot->gridColor = s.gridColor;
    m_plot->scaleColor = s.scaleColor;
    m_plot->labelColor = s.labelColor;
    m_plot->infoColor = s.infoColor;
    m_plot->showInfo = s.showInfo;
    m_plot->showBackground = s.showBackground;
    dataPage->applySettings(s);
}

AppSettings TMainForm::currentSettings() const
{
    AppSettings s;
    s.comPort = m_actions->selectedPortRow();
    s.baudRate = m_speedIndex;
    s.left = x();
    s.top = y();
    s.simulateTarget = SimulateChk->isChecked();
    s.sizeable = connectPage->SizeChk->isChecked();
    configurePage->collectSettings(s);
    s.interval = m_module->module().config.baseInterval;
    if (m_plot) {
        s.bgColor = m_plot->backgroundColor;
        s.gridColor = m_plot->gridColor;
        s.scaleColor = m_plot->scaleColor;
        s.labelColor = m_plot->labelColor;
        s.infoColor = m_plot->infoColor;
    }
    dataPage->collectSettings(s);
    return s;
}

// The start-up timer's one tick: the border the user chose last time, then the "Connect / Download" page.
void TMainForm::Timer3Timer()
{
    Timer3->stop();
    setSizeable(connectPage->SizeChk->isChecked());
    PageControl->setCurrentWidget(connectPage);
}

void TMainForm::setSizeable(bool sizeable)
{
    m_sizeable = sizeable;
    const bool wasVisible = isVisible();
    if (sizeable) {
        setMinimumSize(minimumSizeHint());
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        resize(kDesignedWidth, kDesignedHeight);
        setFixedSize(kDesignedWidth, kDesignedHeight);
    }
    if (windowFlags().testFlag(Qt::WindowMaximizeButtonHint) != sizeable) {
        setWindowFlag(Qt::WindowMaximizeButtonHint, sizeable);
        if (wasVisible)
            show(); // a change of the window's flags hides it
    }
}

void TMainForm::PageControlChange()
{
    XYDisp->clear();
    ROCDisp->clear();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Nothing may pull the port or the data from under a running exchange: the window closes when it has ended.
    if (m_module->busy()) {
        event->ignore();
        if (!m_closeWhenIdle
            && m_prompts.yesNo(this, QStringLiteral("Vimo"),
                               QStringLiteral("Vimo is still talking to the module.\n\nClose Vimo as soon as the "
                                              "exchange has ended?  A download stops at once and keeps the "
                                              "samples received."))) {
            m_closeWhenIdle = true;
            m_module->cancel();
        }
        return;
    }
    if (!m_firstShow) {
        QSettings store = settingsStore();
        writeSettings(store, currentSettings());
    }
    event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // The plot keys act only on the "Recorded Data" page; everywhere else every key goes to the focused control.
    // A key press travels up from the focused widget; it is offered to the plot once, at its first receiver.
    if (event->type() == QEvent::KeyPress && PageControl->currentWidget() == dataPage && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (widget == first && widget->window() == this && dataPage->handlePlotKey(static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vimo
