#include "app/MainWindow.h"

#include "app/pages/AboutPage.h"
#include "app/AppInfo.h"
#include "app/ProgressPanel.h"
#include "app/pages/ConfigurePage.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/DataPage.h"
#include "app/pages/LogPage.h"
#include "app/pages/LogbookPage.h"
#include "app/controllers/ConfigController.h"
#include "app/controllers/ConnectionController.h"
#include "app/controllers/FirmwareController.h"
#include "app/controllers/ModuleController.h"
#include "app/controllers/DataFileActions.h"
#include "app/controllers/UnsavedDataSets.h"
#include "app/controllers/OutputActions.h"
#include "app/plotview/FlightsPanel.h"
#include "app/dialogs/Prompts.h"
#include "logbook/ArchiveFolder.h"
#include "logbook/Logbook.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
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

// How long a passing note stays in the status bar.
constexpr int kStatusMessageMs = 5000;

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

MainWindow::MainWindow(Prompts* prompts, QWidget* parent, const Timing& timing)
    : QMainWindow(parent),
      m_logbook(std::make_unique<Logbook>(archiveFolder())),
      PageControl(new QTabWidget(this)),
      connectPage(new ConnectPage(PageControl)),
      configurePage(new ConfigurePage(PageControl)),
      dataPage(new DataPage(m_plot, m_printSettings, PageControl)),
      logbookPage(new LogbookPage(*m_logbook, PageControl)),
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
    PageControl->addTab(logbookPage, QStringLiteral("Logbook"));
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

    m_connection =
        new ConnectionController(*m_module, *connectPage, *configurePage, *dataPage, *logPage, *m_logbook, this);
    m_config = new ConfigController(*m_module, *configurePage, this);
    m_firmware = new FirmwareController(*m_module, *m_connection, *configurePage, m_prompts, this);
    connect(SimulateChk, &QCheckBox::toggled, m_connection, &ConnectionController::setSimulate);
    connect(aboutPage, &AboutPage::moduleSetupRequested, m_config, &ConfigController::openModuleSetup);
    connectModuleStatus();

    buildMenus();
    dataPage->acceptDropsOn(this);

    // The designed start state: the window's place and size, a border that cannot be resized.
    move(AppSettings::kDefaultLeft, AppSettings::kDefaultTop);
    setSizeable(false);

    connect(m_module.get(), &ModuleController::busyChanged, this, [this](bool busy) {
        if (!busy && m_closeWhenIdle)
            close();
    });

    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(PageControl, &QTabWidget::currentChanged, this, &MainWindow::clearReadouts);
    connect(&dataPage->files(), &DataFileActions::fileUsed, this, &MainWindow::rememberFile);
    // The Logbook lists a downloaded flight as soon as it is archived, and opens flights as Load does.
    connect(m_connection, &ConnectionController::flightArchived, logbookPage, &LogbookPage::reload);
    connect(logbookPage, &LogbookPage::openRequested, this, &MainWindow::openArchivedFlights);
    // On the Logbook page Ctrl+Z takes back a delete there: the plot's Undo steps aside, or the key would be
    // ambiguous and do nothing at all.
    connect(PageControl, &QTabWidget::currentChanged, this, [this] {
        dataPage->commands().undo->setShortcutContext(PageControl->currentWidget() == logbookPage
                                                          ? Qt::WidgetWithChildrenShortcut
                                                          : Qt::WindowShortcut);
    });
    connect(dataPage, &DataPage::readout, this, [this](const QString& xy, const QString& roc) {
        XYDisp->setText(xy);
        ROCDisp->setText(roc);
    });

    // The About page greets the user for three seconds from the window's creation.
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setSingleShot(true);
    Timer3->setInterval(kStartupTimerMs);
    connect(Timer3, &QTimer::timeout, this, &MainWindow::finishStartUp);
    Timer3->start();
}

MainWindow::~MainWindow()
{
    // The worker ends first: nothing it sends may reach a window that is going away.
    m_module.reset();
}

// What the exchanges report beyond the memo: the status panels, the progress bar, the page to show, failures.
void MainWindow::connectModuleStatus()
{
    ModuleController* module = m_module.get();
    connect(module, &ModuleController::connectPageRequested, this,
            [this] { PageControl->setCurrentWidget(connectPage); });
    connect(module, &ModuleController::status, this, [this](StatusPanel panel, const QString& text) {
        switch (panel) {
        case StatusPanel::Connection: ConnectStatusDisp->setText(text); break;
        case StatusPanel::Logging: LogDisp->setText(text); break;
        case StatusPanel::Progress: ProgressText->setStage(text); break;
        }
        fitStatusBar();
    });
    connect(module, &ModuleController::progress, this, [this](int value, int total) {
        ProgressBar1->setRange(0, std::max(total, 1));
        ProgressBar1->setValue(value);
        ProgressBar1->setVisible(true);
        ProgressText->setProgress(value, total);
        fitStatusBar();
    });
    const auto endProgress = [this] {
        ProgressBar1->setRange(0, 100);
        ProgressBar1->setVisible(false);
        ProgressText->finish();
        fitStatusBar();
    };
    connect(module, &ModuleController::progressDone, this, endProgress);
    // An exchange that ended by an exception did not say progressDone(): nothing of it stays in the status bar.
    connect(module, &ModuleController::busyChanged, this, [endProgress](bool busy) {
        if (!busy)
            endProgress();
    });
    connect(module, &ModuleController::failed, this, [this](const QString& what) {
        m_prompts.message(this, QStringLiteral("Error"), what, MessageIcon::Warning);
    });
}

void MainWindow::buildStatusBar()
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
    ProgressText = new ProgressPanel(bar);
    LogDisp = statusPanel("LogDisp", 70, bar);
    XYDisp = statusPanel("XYDisp", 180, bar);
    ROCDisp = statusPanel("ROCDisp", 160, bar);
    bar->addWidget(ConnectStatusDisp);
    bar->addWidget(ProgressBar1);
    bar->addWidget(ProgressText);
    bar->addWidget(LogDisp);
    bar->addWidget(XYDisp, 1);
    bar->addWidget(ROCDisp, 1);
    setStatusBar(bar);
}

// The window's designed width holds every panel but not the progress text as well: while the text shows, LogDisp
// gives up its room unless it has something to say.
void MainWindow::fitStatusBar()
{
    LogDisp->setVisible(ProgressText->isHidden() || !LogDisp->text().isEmpty());
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstShow)
        startUp();
}

// The first show: runs once.
void MainWindow::startUp()
{
    m_firstShow = false;

    m_connection->discoverPorts();

    QSettings store = settingsStore();
    AppSettings settings = readSettings(store);
    SettingsContext context;
    context.portCount = connectPage->portCount();
    for (const QScreen* screen : QGuiApplication::screens())
        context.screens.append(screen->availableGeometry());
    context.windowSize = frameGeometry().size();
    bringIntoRange(settings, context);
    applySettings(settings);
    applySession(readSessionMemory(store));

    aboutPage->showIcon();
    PageControl->setCurrentWidget(aboutPage);

    // The plot's start state: its designed texts and ranges with the restored colours and switches.
    dataPage->files().placeholder().create();
    m_plot.homeRange = PlotRange{};
    dataPage->repaintPlot();

    aboutPage->setVersionTexts(appinfo::versionText(), appinfo::buildText());
    m_config->showRecordTime();
}

void MainWindow::applySettings(const AppSettings& s)
{
    if (s.comPort < 0 && !s.portPath.isEmpty())
        connectPage->setPortText(s.portPath);
    else
        connectPage->setPortRow(s.comPort);
    m_connection->setSpeedIndex(s.baudRate);
    move(s.left, s.top);
    SimulateChk->setChecked(s.simulateTarget);
    connectPage->setSizeable(s.sizeable);
    configurePage->applySettings(s);
    m_module->module().config.baseInterval = s.interval;

    m_plot.backgroundColor = s.bgColor;
    m_plot.gridColor = s.gridColor;
    m_plot.scaleColor = s.scaleColor;
    m_plot.labelColor = s.labelColor;
    m_plot.infoColor = s.infoColor;
    m_plot.showInfo = s.showInfo;
    m_plot.showBackground = s.showBackground;
    dataPage->applySettings(s);
}

QWidget* MainWindow::currentPage() const
{
    return PageControl->currentWidget();
}

void MainWindow::showPage(QWidget* page)
{
    PageControl->setCurrentWidget(page);
}

bool MainWindow::simulateTarget() const
{
    return SimulateChk->isChecked();
}

void MainWindow::setSimulateTarget(bool simulate)
{
    SimulateChk->setChecked(simulate);
}

int MainWindow::speedIndex() const
{
    return m_connection->speedIndex();
}

AppSettings MainWindow::currentSettings() const
{
    AppSettings s;
    s.comPort = m_connection->selectedPortRow();
    s.portPath = s.comPort < 0 ? connectPage->portText() : QString();
    s.baudRate = m_connection->speedIndex();
    s.left = x();
    s.top = y();
    s.simulateTarget = SimulateChk->isChecked();
    s.sizeable = connectPage->sizeable();
    configurePage->collectSettings(s);
    s.interval = m_module->module().config.baseInterval;
    s.bgColor = m_plot.backgroundColor;
    s.gridColor = m_plot.gridColor;
    s.scaleColor = m_plot.scaleColor;
    s.labelColor = m_plot.labelColor;
    s.infoColor = m_plot.infoColor;
    dataPage->collectSettings(s);
    return s;
}

// The start-up timer's one tick: the border the user chose last time, then the "Connect / Download" page.
void MainWindow::finishStartUp()
{
    Timer3->stop();
    setSizeable(connectPage->sizeable());
    PageControl->setCurrentWidget(connectPage);
}

void MainWindow::setSizeable(bool sizeable)
{
    m_sizeable = sizeable;
    const bool wasVisible = isVisible();
    if (sizeable) {
        setMinimumSize(minimumSizeHint());
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        // The designed size, but never more than the screen offers (a large scale factor): the window must fit.
        QSize size(kDesignedWidth, kDesignedHeight + menuBar()->sizeHint().height());
        if (const QScreen* shown = screen())
            size = size.boundedTo(shown->availableGeometry().size() - (frameGeometry().size() - this->size()));
        resize(size);
        setFixedSize(size);
    }
    if (windowFlags().testFlag(Qt::WindowMaximizeButtonHint) != sizeable) {
        setWindowFlag(Qt::WindowMaximizeButtonHint, sizeable);
        if (wasVisible)
            show(); // a change of the window's flags hides it
    }
}

void MainWindow::clearReadouts()
{
    XYDisp->clear();
    ROCDisp->clear();
}

void MainWindow::closeEvent(QCloseEvent* event)
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
    m_closeWhenIdle = false;
    if (!keepUnsavedWork()) {
        event->ignore();
        return;
    }
    if (!m_firstShow) {
        QSettings store = settingsStore();
        writeSettings(store, currentSettings());
        writeSessionMemory(store, currentSession());
    }
    event->accept();
}

// Data sets that no file holds are not thrown away without a word: Save all, Discard or Cancel. False when the
// window must stay open (Cancel, or a save that did not happen).
bool MainWindow::keepUnsavedWork()
{
    DataFileActions& files = dataPage->files();
    if (!files.unsaved().any())
        return true;
    switch (m_prompts.saveDiscardCancel(this, QStringLiteral("Vimo"),
                                        QStringLiteral("Some data sets were downloaded or changed and have not been "
                                                       "saved.\n\nSave them all in a plot file before Vimo closes?"))) {
    case SaveAnswer::SaveAll:
        return files.saveAll();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void MainWindow::buildMenus()
{
    const DataPage::Commands& data = dataPage->commands();

    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("FileMenu"));
    m_fileMenu->addActions({data.load, data.save});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({data.exportPlot, data.print});
    m_fileMenu->addSeparator();
    m_recentMenu = m_fileMenu->addMenu(QStringLiteral("Recent &Files"));
    m_recentMenu->setObjectName(QStringLiteral("RecentMenu"));
    m_recentMenu->setToolTipsVisible(true);
    m_fileMenu->addSeparator();
    QAction* quit = m_fileMenu->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("QuitAction"));
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q"))); // the platform's Quit key is empty on some desktops
    quit->setToolTip(QStringLiteral("Close Vimo"));
    updateRecentMenu();

    m_editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("EditMenu"));
    m_editMenu->addActions({data.undo, data.redo});
    m_editMenu->addSeparator();
    m_editMenu->addActions({data.crop, data.dataProperties});

    m_viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    m_viewMenu->setObjectName(QStringLiteral("ViewMenu"));
    m_viewMenu->addAction(data.legend);
    m_legendInOutput = m_viewMenu->addAction(QStringLiteral("Legend in E&xports and Prints"));
    m_legendInOutput->setObjectName(QStringLiteral("LegendInOutputAction"));
    m_legendInOutput->setCheckable(true);
    m_legendInOutput->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+L")));
    m_legendInOutput->setToolTip(QStringLiteral("Draw the legend on exported and printed plots as well"));
    connect(m_legendInOutput, &QAction::toggled, &dataPage->output(), &OutputActions::setLegend);
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({data.flightsTable, data.flightMarks, data.flightMarksInOutput});
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({data.zoomIn, data.zoomOut, data.zoomReset});
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({data.scale, data.plotProperties});

    buildLogbookMenu();

    m_moduleMenu = menuBar()->addMenu(QStringLiteral("&Module"));
    m_moduleMenu->setObjectName(QStringLiteral("ModuleMenu"));
    ConnectionController* c = m_connection;
    ConfigController* f = m_config;
    moduleCommand("ConnectAction", QStringLiteral("&Connect"), QStringLiteral("F2"),
                  QStringLiteral("Connect to the module or disconnect"), c, &ConnectionController::toggleConnection);
    moduleCommand("DownloadInfoAction", QStringLiteral("Download &Info"), QStringLiteral("F3"),
                  QStringLiteral("Show what the module has recorded"), c, &ConnectionController::showDownloadInfo);
    QAction* download = moduleCommand("DownloadDataAction", QStringLiteral("&Download Data"), QStringLiteral("F4"),
                                      QStringLiteral("Download the chosen data set, or stop the download"), c,
                                      &ConnectionController::downloadDataSet);
    moduleCommand("EraseDataAction", QStringLiteral("&Erase Data"), QStringLiteral("Shift+F8"),
                  QStringLiteral("Erase every data set in the module"), c, &ConnectionController::eraseModuleData);
    m_moduleMenu->addSeparator();
    moduleCommand("ReadConfigAction", QStringLiteral("&Read Configuration"), QStringLiteral("F5"),
                  QStringLiteral("Read the module's configuration"), f, &ConfigController::readModuleConfig);
    moduleCommand("WriteConfigAction", QStringLiteral("&Write Configuration"), QStringLiteral("F6"),
                  QStringLiteral("Write the configuration to the module"), f, &ConfigController::writeModuleConfig);
    moduleCommand("CalibrateAction", QStringLiteral("Ca&librate"), QStringLiteral("F7"),
                  QStringLiteral("Calibrate the module to the given altitude"), f, &ConfigController::calibrateAltitude);
    moduleCommand("ResetDefaultsAction", QStringLiteral("Reset De&faults"), QStringLiteral("Shift+F6"),
                  QStringLiteral("Reset the module's configuration"), f, &ConfigController::resetModuleDefaults);
    moduleCommand("ResetModuleAction", QStringLiteral("Reset &Module"), QStringLiteral("Shift+F7"),
                  QStringLiteral("Restart the module"), f, &ConfigController::restartModule);
    moduleCommand("UpdateFirmwareAction", QStringLiteral("&Update Firmware..."), QStringLiteral("Shift+F9"),
                  QStringLiteral("Program new firmware into the module"), m_firmware,
                  &FirmwareController::updateFirmware);
    // While an exchange runs no other may start; a running download may be cancelled.
    connect(m_module.get(), &ModuleController::busyChanged, this, [this, download](bool busy) {
        for (QAction* action : m_moduleMenu->actions())
            action->setEnabled(!busy);
        download->setEnabled(!busy || m_connection->downloading());
    });

    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    QAction* about = m_helpMenu->addAction(QStringLiteral("&About Vimo"), this,
                                           [this] { PageControl->setCurrentWidget(aboutPage); });
    about->setObjectName(QStringLiteral("AboutAction"));
    about->setShortcut(QKeySequence::HelpContents);
    about->setToolTip(QStringLiteral("Show the version and the links"));

    for (QMenu* menu : {m_fileMenu, m_editMenu, m_viewMenu, m_logbookMenu, m_moduleMenu, m_helpMenu})
        menu->setToolTipsVisible(true);
}

// The Logbook page's own commands, and one to bring the page forward. A command that changes the archive brings the
// page forward too, so that the user sees which flights it acted on.
void MainWindow::buildLogbookMenu()
{
    m_logbookMenu = menuBar()->addMenu(QStringLiteral("&Logbook"));
    m_logbookMenu->setObjectName(QStringLiteral("LogbookMenu"));
    QAction* show = m_logbookMenu->addAction(QStringLiteral("Show &Logbook"), this,
                                             [this] { PageControl->setCurrentWidget(logbookPage); });
    show->setObjectName(QStringLiteral("ShowLogbookAction"));
    show->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
    show->setToolTip(QStringLiteral("Show every flight kept in the archive"));
    m_logbookMenu->addSeparator();
    for (QAction* action : logbookPage->actions()) {
        m_logbookMenu->addAction(action);
        if (action != logbookPage->openAction())
            connect(action, &QAction::triggered, this, [this] { PageControl->setCurrentWidget(logbookPage); });
    }
}

// Adds archived flights to the plot through Load's own path, so its warnings and limits hold, and shows them.
// A flight that is on the plot already is selected, not added a second time.
void MainWindow::openArchivedFlights(const QStringList& files, const QString& focusFile, double from, double to)
{
    if (dataPage->exchangeRunning())
        return;
    QStringList fresh;
    int onPlot = -1;
    for (const QString& file : files) {
        const QString source = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
        const int k = m_plot.signals.indexOfSource(source);
        if (k < 0)
            fresh << file;
        else
            onPlot = k;
    }
    if (onPlot >= 0) {
        dataPage->setActiveSet(onPlot);
        statusBar()->showMessage(
            QStringLiteral("%1 is already on the plot: selected").arg(m_plot.signals.at(onPlot).name()),
            kStatusMessageMs);
    }
    if ((!fresh.isEmpty() && dataPage->files().loadFiles(fresh) > 0) || onPlot >= 0)
        PageControl->setCurrentWidget(dataPage);
    // The plot shows the flight that was chosen in its recording.
    const int focus = focusFile.isEmpty()
                          ? -1
                          : m_plot.signals.indexOfSource(QDir::cleanPath(QFileInfo(focusFile).absoluteFilePath()));
    if (focus >= 0 && to > from)
        dataPage->showFlight(focus, from, to);
}

template <class Controller>
QAction* MainWindow::moduleCommand(const char* name, const QString& text, const QString& shortcut,
                                   const QString& tip, Controller* controller, void (Controller::*command)())
{
    QAction* action = m_moduleMenu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(QKeySequence(shortcut));
    action->setToolTip(tip);
    connect(action, &QAction::triggered, controller, command);
    return action;
}

void MainWindow::rememberFile(const QString& path)
{
    m_session.recentFiles = withRecentFile(m_session.recentFiles, path);
    updateRecentMenu();
}

void MainWindow::updateRecentMenu()
{
    m_recentMenu->clear();
    for (int i = 0; i < m_session.recentFiles.size(); ++i) {
        const QString path = m_session.recentFiles.at(i);
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (!dataPage->exchangeRunning())
                dataPage->files().loadFiles({path});
        });
    }
    m_recentMenu->setEnabled(!m_session.recentFiles.isEmpty());
}

void MainWindow::applySession(const SessionMemory& memory)
{
    m_session = memory;
    updateRecentMenu();
    dataPage->files().setFolders(memory.loadFolder, memory.saveFolder);
    dataPage->output().setExportFolder(memory.exportFolder);
    dataPage->setLegendShown(memory.legend);
    m_legendInOutput->setChecked(memory.legendInOutput);
    dataPage->setFlightsTableShown(memory.flightsTable);
    dataPage->setFlightMarksShown(memory.flightMarks);
    dataPage->setFlightMarksInOutput(memory.flightMarksInOutput);
    dataPage->flightsPanel()->setWindow(memory.startHeightWindow);
}

SessionMemory MainWindow::currentSession() const
{
    SessionMemory memory = m_session;
    memory.loadFolder = dataPage->files().loadFolder();
    memory.saveFolder = dataPage->files().saveFolder();
    memory.exportFolder = dataPage->output().exportFolder();
    memory.legend = dataPage->legendShown();
    memory.legendInOutput = m_legendInOutput->isChecked();
    memory.flightsTable = dataPage->flightsTableShown();
    memory.flightMarks = dataPage->flightMarksShown();
    memory.flightMarksInOutput = dataPage->flightMarksInOutput();
    memory.startHeightWindow = dataPage->flightsPanel()->window();
    return memory;
}

} // namespace vimo
