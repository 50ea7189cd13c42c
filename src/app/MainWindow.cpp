#include "app/MainWindow.h"

#include "app/AppInfo.h"
#include "app/ManualOpener.h"
#include "app/ProgressPanel.h"
#include "app/RecentFiles.h"
#include "app/controllers/ConfigController.h"
#include "app/controllers/ConnectionController.h"
#include "app/controllers/FirmwareController.h"
#include "app/controllers/ModuleController.h"
#include "app/dialogs/OutputDialog.h"
#include "app/dialogs/Prompts.h"
#include "app/pages/AboutPage.h"
#include "app/pages/ConfigurePage.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/DataPage.h"
#include "app/pages/LogPage.h"
#include "app/pages/LogbookPage.h"
#include "app/pages/PlotWindow.h"
#include "app/plotview/FlightsPanel.h"
#include "app/session/DataFileActions.h"
#include "app/session/OutputActions.h"
#include "app/session/PlotSession.h"
#include "app/session/UnsavedDataSets.h"
#include "logbook/ArchiveFolder.h"
#include "logbook/Logbook.h"
#include "plot/DataEditor.h"

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
    : QMainWindow(parent), m_logbook(std::make_unique<Logbook>(archiveFolder())), m_session(new PlotSession(this)),
      m_pages(new QTabWidget(this)), m_connectPage(new ConnectPage(m_pages)),
      m_configurePage(new ConfigurePage(m_pages)), m_dataPage(new DataPage(*m_session, m_pages)),
      m_logbookPage(new LogbookPage(*m_logbook, m_pages)), m_logPage(new LogPage(m_pages)),
      m_aboutPage(new AboutPage(m_pages)), m_simulateBox(new QCheckBox(QStringLiteral("Simulate Target"), this)),
      m_closeButton(new QPushButton(QStringLiteral("Close"), this)), m_startupTimer(new QTimer(this)),
      m_ownPrompts(prompts ? nullptr : std::make_unique<DialogPrompts>()),
      m_prompts(prompts ? *prompts : *m_ownPrompts),
      m_module(std::make_unique<ModuleController>(this, m_prompts, ModuleController::LinkFactory{}, timing))
{
    registerResources();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromLatin1(appinfo::kName));
    setWindowIcon(QIcon(QStringLiteral(":/vimo/icon-256.png")));
    buildPages();
    buildStatusBar();

    m_connection =
        new ConnectionController(*m_module, *m_connectPage, *m_configurePage, *m_session, *m_logPage, *m_logbook, this);
    m_config = new ConfigController(*m_module, *m_configurePage, this);
    m_firmware = new FirmwareController(*m_module, *m_connection, *m_configurePage, m_prompts, this);
    connect(m_simulateBox, &QCheckBox::toggled, m_connection, &ConnectionController::setSimulate);
    connect(m_aboutPage, &AboutPage::moduleSetupRequested, m_config, &ConfigController::openModuleSetup);
    connectModuleStatus();

    buildMenus();
    m_session->acceptDropsOn(this);
    buildPlotWindow();

    // The designed start state: the window's place and size, a border that cannot be resized.
    move(SettingsContext::kDefaultLeft, SettingsContext::kDefaultTop);
    setSizeable(false);

    connect(m_module.get(), &ModuleController::busyChanged, this, [this](bool busy) {
        if (!busy && m_closeWhenIdle)
            close();
    });

    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_pages, &QTabWidget::currentChanged, this, &MainWindow::clearReadouts);
    connect(&m_session->files(), &DataFileActions::fileUsed, this, &MainWindow::rememberFile);
    // The Logbook lists a downloaded flight as soon as it is archived, and opens flights as Load does.
    connect(m_connection, &ConnectionController::flightArchived, m_logbookPage, &LogbookPage::reload);
    connect(m_logbookPage, &LogbookPage::openRequested, this, &MainWindow::openArchivedFlights);
    // On the Logbook page Ctrl+Z takes back a delete there: the plot's Undo steps aside, or the key would be
    // ambiguous and do nothing at all.
    connect(m_pages, &QTabWidget::currentChanged, this, [this] {
        m_session->commands().undo->setShortcutContext(
            m_pages->currentWidget() == m_logbookPage ? Qt::WidgetWithChildrenShortcut : Qt::WindowShortcut);
    });
    connect(m_dataPage, &DataPage::readout, this, [this](const QString& xy, const QString& roc) {
        m_positionReadout->setText(xy);
        m_climbReadout->setText(roc);
    });

    // The About page greets the user for three seconds from the window's creation.
    m_startupTimer->setObjectName(QStringLiteral("Timer3"));
    m_startupTimer->setSingleShot(true);
    m_startupTimer->setInterval(kStartupTimerMs);
    connect(m_startupTimer, &QTimer::timeout, this, &MainWindow::finishStartUp);
    m_startupTimer->start();
}

// The tabs, and below them the hidden "Simulate Target" switch and Close.
void MainWindow::buildPages()
{
    m_pages->setObjectName(QStringLiteral("PageControl"));
    m_pages->setDocumentMode(false);
    m_pages->addTab(m_connectPage, QStringLiteral("Connect / Download"));
    m_pages->addTab(m_configurePage, QStringLiteral("Configure"));
    m_pages->addTab(m_dataPage, QStringLiteral("Recorded Data"));
    m_pages->addTab(m_logbookPage, QStringLiteral("Logbook"));
    m_pages->addTab(m_logPage, QStringLiteral("Log Data"));
    m_pages->addTab(m_aboutPage, QStringLiteral("About"));
    m_pages->setTabVisible(m_pages->indexOf(m_logPage), false);

    m_simulateBox->setObjectName(QStringLiteral("SimulateChk"));
    m_simulateBox->setVisible(false);
    m_closeButton->setObjectName(QStringLiteral("CloseBtn"));
    m_closeButton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_closeButton->setMinimumWidth(100);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->addWidget(m_pages, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_simulateBox);
    bottom->addStretch(1);
    bottom->addWidget(m_closeButton);
    layout->addLayout(bottom);
    setCentralWidget(central);
}

MainWindow::~MainWindow()
{
    // The worker ends first: nothing it sends may reach a window that is going away.
    m_module.reset();
}

// View -> Plot Window shows the plot in a window of its own, which takes dropped files as the main window does
// and closes with it.
void MainWindow::buildPlotWindow()
{
    QAction* toggle = m_session->commands().plotWindow;
    m_plotWindow = new PlotWindow(*m_session, toggle, this);
    m_session->acceptDropsOn(m_plotWindow);
    connect(toggle, &QAction::toggled, m_plotWindow, [this](bool shown) {
        if (shown) {
            m_plotWindow->show();
            m_plotWindow->raise();
            m_plotWindow->activateWindow();
        } else if (m_plotWindow->isVisible()) {
            m_plotWindow->close();
        }
    });
}

// What the exchanges report beyond the memo: the status panels, the progress bar, the page to show, failures.
void MainWindow::connectModuleStatus()
{
    ModuleController* module = m_module.get();
    connect(module, &ModuleController::connectPageRequested, this,
            [this] { m_pages->setCurrentWidget(m_connectPage); });
    connect(module, &ModuleController::status, this, [this](StatusPanel panel, const QString& text) {
        switch (panel) {
        case StatusPanel::Connection:
            m_connectionStatus->setText(text);
            break;
        case StatusPanel::Logging:
            m_loggingStatus->setText(text);
            break;
        case StatusPanel::Progress:
            m_progressText->setStage(text);
            break;
        }
        fitStatusBar();
    });
    connect(module, &ModuleController::progress, this, [this](int value, int total) {
        m_progressBar->setRange(0, std::max(total, 1));
        m_progressBar->setValue(value);
        m_progressBar->setVisible(true);
        m_progressText->setProgress(value, total);
        fitStatusBar();
    });
    const auto endProgress = [this] {
        m_progressBar->setRange(0, 100);
        m_progressBar->setVisible(false);
        m_progressText->finish();
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
    // The configuration and firmware commands also say how they ended where the user is, whatever page shows:
    // the status bar for a few seconds, a failure in a box.
    const auto showOutcome = [this](const ExchangeOutcome& outcome) {
        if (!outcome.status.isEmpty())
            statusBar()->showMessage(outcome.status, kStatusMessageMs);
        if (!outcome.failure.isEmpty())
            m_prompts.message(this, outcome.caption, outcome.failure, MessageIcon::Warning);
    };
    connect(m_config, &ConfigController::finished, this, showOutcome);
    connect(m_firmware, &FirmwareController::finished, this, showOutcome);
}

void MainWindow::buildStatusBar()
{
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusPanel"));
    bar->setSizeGripEnabled(false);
    m_connectionStatus = statusPanel("ConnectStatusDisp", 120, bar);
    m_connectionStatus->setText(QStringLiteral("Not Connected"));
    m_progressBar = new QProgressBar(bar);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setMaximumWidth(180);
    m_progressBar->setVisible(false);
    m_progressText = new ProgressPanel(bar);
    m_loggingStatus = statusPanel("LogDisp", 70, bar);
    m_positionReadout = statusPanel("XYDisp", 180, bar);
    m_climbReadout = statusPanel("ROCDisp", 160, bar);
    bar->addWidget(m_connectionStatus);
    bar->addWidget(m_progressBar);
    bar->addWidget(m_progressText);
    bar->addWidget(m_loggingStatus);
    bar->addWidget(m_positionReadout, 1);
    bar->addWidget(m_climbReadout, 1);
    setStatusBar(bar);
}

// The window's designed width holds every panel but not the progress text as well: while the text shows, m_loggingStatus
// gives up its room unless it has something to say.
void MainWindow::fitStatusBar()
{
    m_loggingStatus->setVisible(m_progressText->isHidden() || !m_loggingStatus->text().isEmpty());
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
    AppSettings settings = readSettings(store, settingKeys());
    SettingsContext context;
    context.portCount = m_connectPage->portCount();
    for (const QScreen* screen : QGuiApplication::screens())
        context.screens.append(screen->availableGeometry());
    context.windowSize = frameGeometry().size();
    bringIntoRange(settings, context);
    applySettings(settings);

    m_aboutPage->showIcon();
    m_pages->setCurrentWidget(m_aboutPage);

    // The plot's start state: its designed texts and ranges with the restored colours and switches.
    m_session->showStartPlaceholder();

    m_aboutPage->setVersionTexts(appinfo::versionText(), appinfo::buildText());
    m_config->showRecordTime();
}

void MainWindow::applySettings(const AppSettings& settings)
{
    for (const Setting& setting : MainWindow::settings())
        setting.restore(*this, settings.value(QLatin1String(setting.key.key)));
}

QWidget* MainWindow::currentPage() const
{
    return m_pages->currentWidget();
}

void MainWindow::showPage(QWidget* page)
{
    m_pages->setCurrentWidget(page);
}

bool MainWindow::simulateTarget() const
{
    return m_simulateBox->isChecked();
}

void MainWindow::setSimulateTarget(bool simulate)
{
    m_simulateBox->setChecked(simulate);
}

int MainWindow::speedIndex() const
{
    return m_connection->speedIndex();
}

AppSettings MainWindow::currentSettings() const
{
    AppSettings settings;
    for (const Setting& setting : MainWindow::settings())
        settings.set(QLatin1String(setting.key.key), setting.current(*this));
    return settings;
}

std::vector<SettingKey> MainWindow::settingKeys()
{
    std::vector<SettingKey> keys;
    for (const Setting& setting : settings())
        keys.push_back(setting.key);
    return keys;
}

// The start-up timer's one tick: the border the user chose last time, then the "Connect / Download" page.
void MainWindow::finishStartUp()
{
    m_startupTimer->stop();
    setSizeable(m_connectPage->sizeable());
    m_pages->setCurrentWidget(m_connectPage);
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
    m_positionReadout->clear();
    m_climbReadout->clear();
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
        writeSettings(store, settingKeys(), currentSettings());
    }
    m_plotWindow->hide(); // it goes with the main window; the next start opens it only when asked
    event->accept();
}

// Data sets that no file holds are not thrown away without a word: Save all, Discard or Cancel. False when the
// window must stay open (Cancel, or a save that did not happen).
bool MainWindow::keepUnsavedWork()
{
    DataFileActions& files = m_session->files();
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
    const PlotCommands& data = m_session->commands();

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
    m_editMenu->addSeparator();
    m_editMenu->addAction(data.copyPlot);

    m_viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    m_viewMenu->setObjectName(QStringLiteral("ViewMenu"));
    m_viewMenu->addAction(data.legend);
    m_viewMenu->addAction(data.legendInOutput);
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({m_dataPage->flightsTableAction(), data.flightMarks, data.flightMarksInOutput});
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({data.cursorReadout, data.alignAtLaunch, data.climbRate});
    m_viewMenu->addSeparator();
    QMenu* units = m_viewMenu->addMenu(QStringLiteral("Altitude &Unit"));
    units->setObjectName(QStringLiteral("AltitudeUnitMenu"));
    units->addActions(data.altitudeUnits());
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({data.zoomIn, data.zoomOut, data.zoomReset});
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({data.scale, data.plotProperties});
    m_viewMenu->addSeparator();
    m_viewMenu->addAction(data.plotWindow);

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
                  QStringLiteral("Calibrate the module to the given altitude"), f,
                  &ConfigController::calibrateAltitude);
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
    QAction* about =
        m_helpMenu->addAction(QStringLiteral("&About Vimo"), this, [this] { m_pages->setCurrentWidget(m_aboutPage); });
    about->setObjectName(QStringLiteral("AboutAction"));
    about->setShortcut(QKeySequence::HelpContents);
    about->setToolTip(QStringLiteral("Show the version and the links"));
    QAction* manual = m_helpMenu->addAction(QStringLiteral("&Manual"), this, [this] { openManual(this); });
    manual->setObjectName(QStringLiteral("ManualAction"));
    manual->setShortcut(QKeySequence(QStringLiteral("Shift+F1")));
    manual->setToolTip(QStringLiteral("Open the user manual"));

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
                                             [this] { m_pages->setCurrentWidget(m_logbookPage); });
    show->setObjectName(QStringLiteral("ShowLogbookAction"));
    show->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
    show->setToolTip(QStringLiteral("Show every flight kept in the archive"));
    m_logbookMenu->addSeparator();
    for (QAction* action : m_logbookPage->actions()) {
        m_logbookMenu->addAction(action);
        if (action != m_logbookPage->openAction())
            connect(action, &QAction::triggered, this, [this] { m_pages->setCurrentWidget(m_logbookPage); });
    }
}

// Adds archived flights to the plot through Load's own path, so its warnings and limits hold, and shows them.
// A flight that is on the plot already is selected, not added a second time.
void MainWindow::openArchivedFlights(const QStringList& files, const QString& focusFile, double from, double to)
{
    if (m_session->exchangeRunning())
        return;
    QStringList fresh;
    int onPlot = -1;
    for (const QString& file : files) {
        const QString source = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
        const int k = m_session->plot().signals.indexOfSource(source);
        if (k < 0)
            fresh << file;
        else
            onPlot = k;
    }
    if (onPlot >= 0) {
        m_session->setActiveSet(onPlot);
        statusBar()->showMessage(
            QStringLiteral("%1 is already on the plot: selected").arg(m_session->plot().signals.at(onPlot).name()),
            kStatusMessageMs);
    }
    if ((!fresh.isEmpty() && m_session->files().loadFiles(fresh) > 0) || onPlot >= 0)
        m_pages->setCurrentWidget(m_dataPage);
    // The plot shows the flight that was chosen in its recording.
    const int focus =
        focusFile.isEmpty()
            ? -1
            : m_session->plot().signals.indexOfSource(QDir::cleanPath(QFileInfo(focusFile).absoluteFilePath()));
    if (focus >= 0 && to > from)
        m_session->showFlight(focus, from, to);
}

template <class Controller>
QAction* MainWindow::moduleCommand(const char* name, const QString& text, const QString& shortcut, const QString& tip,
                                   Controller* controller, void (Controller::*command)())
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
    m_recentFiles = withRecentFile(m_recentFiles, path);
    updateRecentMenu();
}

void MainWindow::updateRecentMenu()
{
    m_recentMenu->clear();
    for (int i = 0; i < m_recentFiles.size(); ++i) {
        const QString path = m_recentFiles.at(i);
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (!m_session->exchangeRunning())
                m_session->files().loadFiles({path});
        });
    }
    m_recentMenu->setEnabled(!m_recentFiles.isEmpty());
}

} // namespace vimo
