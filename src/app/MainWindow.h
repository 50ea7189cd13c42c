#pragma once

#include "app/AppSettings.h"
#include "base/Timing.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

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
class PlotSession;
class PlotWindow;
class Prompts;

// The main window: the menu bar, six pages ("Log Data" hidden), the Close button and the status bar. It owns the
// plot session, the logbook of archived flights and the module controllers, runs the start-up sequence at its
// first show and remembers the user's choices between runs. Every command is a QAction in the menus: File, Edit,
// View, Logbook, Module, Help. The pages are its own: each shows what it is given and says what the user asked
// for; the controllers and the session do the work.
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

    // The page shown, and showing one of the window's pages.
    QWidget* currentPage() const;
    void showPage(QWidget* page);

    // The hidden "Simulate Target" switch: "Download Info" answers without a module.
    bool simulateTarget() const;
    void setSimulateTarget(bool simulate);

    // The plot, its data sets and everything that works on them.
    PlotSession& session() const { return *m_session; }
    // The plot in a window of its own (View -> Plot Window).
    PlotWindow* plotWindow() const { return m_plotWindow; }

    // The menus, so that a page or panel can add its commands and View toggles.
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* editMenu() const { return m_editMenu; }
    QMenu* viewMenu() const { return m_viewMenu; }
    QMenu* logbookMenu() const { return m_logbookMenu; }
    QMenu* moduleMenu() const { return m_moduleMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }

    // The data files loaded or saved last, newest first (File > Recent Files).
    const QStringList& recentFiles() const { return m_recentFiles; }

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

    // Every value the window remembers between runs: its key, how it is kept, its default and what is usable.
    static std::vector<SettingKey> settingKeys();

    // The values the window would remember if it closed now.
    AppSettings currentSettings() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A remembered value and where it lives in the window: `current` reads it from there, `restore` puts a value
    // read from the settings back. T is the type of the key's values.
    struct Setting {
        template <class T, class Current, class Restore>
        Setting(TypedKey<T> typed, Current current, Restore restore)
            : key(std::move(typed.key)),
              current([current](const MainWindow& w) { return QVariant::fromValue(T(current(w))); }),
              restore([restore](MainWindow& w, const QVariant& value) { restore(w, value.value<T>()); })
        {
        }
        // The same with `current` and `restore` as a pair (helpers of the table make such pairs).
        template <class T, class Current, class Restore>
        Setting(TypedKey<T> typed, std::pair<Current, Restore> access)
            : Setting(std::move(typed), std::move(access.first), std::move(access.second))
        {
        }

        SettingKey key;
        std::function<QVariant(const MainWindow&)> current;
        std::function<void(MainWindow&, const QVariant&)> restore;
    };
    // The one table of remembered values, in the order they are restored, and its rows (MainWindowSettings.cpp).
    static const std::vector<Setting>& settings();
    struct SettingRows;

    void buildPages();
    void buildStatusBar();
    void fitStatusBar();
    void buildMenus();
    void buildPlotWindow();
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
    void applySettings(const AppSettings& settings);
    void setSizeable(bool sizeable);
    bool keepUnsavedWork();

    // The archive of downloaded flights, shared by the download and the Logbook page.
    std::unique_ptr<Logbook> m_logbook;
    PlotSession* m_session;
    QTabWidget* m_pages;
    ConnectPage* m_connectPage;
    ConfigurePage* m_configurePage;
    DataPage* m_dataPage;
    LogbookPage* m_logbookPage;
    LogPage* m_logPage;
    AboutPage* m_aboutPage;
    PlotWindow* m_plotWindow = nullptr;
    QCheckBox* m_simulateBox; // never visible: its state comes from the settings
    QPushButton* m_closeButton;
    // Status bar panels.
    QLabel* m_connectionStatus;
    QProgressBar* m_progressBar;
    ProgressPanel* m_progressText; // the stage and the time left of the work the progress bar shows
    QLabel* m_loggingStatus;
    QLabel* m_positionReadout;
    QLabel* m_climbReadout;
    QTimer* m_startupTimer; // the About page shows for this long at the start

    std::unique_ptr<Prompts> m_ownPrompts;
    Prompts& m_prompts;
    std::unique_ptr<ModuleController> m_module;
    ConnectionController* m_connection = nullptr;
    ConfigController* m_config = nullptr;
    FirmwareController* m_firmware = nullptr;
    bool m_firstShow = true;
    bool m_closeWhenIdle = false;
    bool m_sizeable = false;
    QStringList m_recentFiles;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_logbookMenu = nullptr;
    QMenu* m_moduleMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
};

} // namespace vimo
