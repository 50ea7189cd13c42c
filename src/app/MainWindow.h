#pragma once

#include "app/AppSettings.h"
#include "base/Timing.h"
#include "app/SessionMemory.h"
#include "data/Plot.h"
#include "plot/PrintSettings.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QMenu;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;

namespace vimo {

class AboutPage;
class ConfigurePage;
class ConnectPage;
class DataPage;
class LogPage;
class Logbook;
class LogbookPage;
class ProgressPanel;
class ConfigController;
class ConnectionController;
class FirmwareController;
class ModuleController;
class Prompts;

// The main window: the menu bar, six pages ("Log Data" hidden), the Close button and the status bar. It owns the
// plot record, the stored print settings and the logbook of archived flights, runs the start-up sequence at its
// first show and remembers the user's choices between runs. Every command is a QAction in the menus: File, Edit,
// View, Logbook, Module, Help.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The designed size without the menu bar, which adds its own height so that the pages keep their room.
    static constexpr int kDesignedWidth = 773;
    static constexpr int kDesignedHeight = 565;
    static constexpr int kStartupTimerMs = 3000;

    // `prompts` shows the window's message boxes and file dialogs; without one the window uses its own.
    explicit MainWindow(Prompts* prompts = nullptr, QWidget* parent = nullptr, const Timing& timing = {});
    ~MainWindow() override;

private:
    Plot m_plot;
    PrintSettings m_printSettings;
    // The archive of downloaded flights, shared by the download and the Logbook page.
    std::unique_ptr<Logbook> m_logbook;
    QTabWidget* PageControl;

public:
    ConnectPage* connectPage;
    ConfigurePage* configurePage;
    DataPage* dataPage;
    LogbookPage* logbookPage;
    LogPage* logPage;
    AboutPage* aboutPage;

    // The page shown, and showing one of the window's pages.
    QWidget* currentPage() const;
    void showPage(QWidget* page);

    // The hidden "Simulate Target" switch: "Download Info" answers without a module.
    bool simulateTarget() const;
    void setSimulateTarget(bool simulate);

    // The plot record and the stored size and colour of prints and exports.
    Plot& plot() { return m_plot; }
    PrintSettings& printSettings() { return m_printSettings; }

    // The menus, so that a page or panel can add its commands and View toggles.
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* editMenu() const { return m_editMenu; }
    QMenu* viewMenu() const { return m_viewMenu; }
    QMenu* logbookMenu() const { return m_logbookMenu; }
    QMenu* moduleMenu() const { return m_moduleMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }

    // The data files loaded or saved last, newest first (File > Recent Files).
    const QStringList& recentFiles() const { return m_session.recentFiles; }

    // The module worker and the controllers of its exchanges.
    ModuleController& module() const { return *m_module; }
    ConnectionController& connection() const { return *m_connection; }
    ConfigController& configuration() const { return *m_config; }
    FirmwareController& firmware() const { return *m_firmware; }
    Logbook& logbook() const { return *m_logbook; }

    // The index into the speed table that Connect uses.
    int speedIndex() const;

    // True when the window border lets the user resize the window.
    bool isSizeable() const { return m_sizeable; }

    // The values the window would remember if it closed now.
    AppSettings currentSettings() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildStatusBar();
    void fitStatusBar();
    void buildMenus();
    void buildLogbookMenu();
    void openArchivedFlights(const QStringList& files, const QString& focusFile, double from, double to);
    void connectModuleStatus();
    template <class Controller>
    QAction* moduleCommand(const char* name, const QString& text, const QString& shortcut, const QString& tip,
                           Controller* controller, void (Controller::*command)());
    void startUp();
    void finishStartUp();
    void clearReadouts();
    void rememberFile(const QString& path);
    void updateRecentMenu();
    void applySession(const SessionMemory& memory);
    SessionMemory currentSession() const;
    void applySettings(const AppSettings& settings);
    void setSizeable(bool sizeable);
    bool keepUnsavedWork();

    QCheckBox* SimulateChk; // never visible: its state comes from the settings
    QPushButton* CloseBtn;
    // Status bar panels.
    QLabel* ConnectStatusDisp;
    QProgressBar* ProgressBar1;
    ProgressPanel* ProgressText; // the stage and the time left of the work the progress bar shows
    QLabel* LogDisp;
    QLabel* XYDisp;
    QLabel* ROCDisp;
    QTimer* Timer3; // start-up timer

    std::unique_ptr<Prompts> m_ownPrompts;
    Prompts& m_prompts;
    std::unique_ptr<ModuleController> m_module;
    ConnectionController* m_connection = nullptr;
    ConfigController* m_config = nullptr;
    FirmwareController* m_firmware = nullptr;
    bool m_firstShow = true;
    bool m_closeWhenIdle = false;
    bool m_sizeable = false;
    SessionMemory m_session;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_logbookMenu = nullptr;
    QMenu* m_moduleMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_legendInOutput = nullptr;
};

} // namespace vimo
