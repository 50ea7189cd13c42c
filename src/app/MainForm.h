#pragma once

#include "app/AppSettings.h"
#include "base/Timing.h"

#include <QMainWindow>
#include <memory>

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
class ModuleActions;
class ModuleController;
class Prompts;
struct Plot;

// The main window: five pages ("Log Data" hidden), the Close button and the status bar. It runs the start-up
// sequence at its first show, remembers the user's choices between runs and routes the plot keys to the
// "Recorded Data" page.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kDesignedWidth = 773;
    static constexpr int kDesignedHeight = 565;
    static constexpr int kStartupTimerMs = 3000;

    // `prompts` shows the window's message boxes and file dialogs; without one the window uses its own. The module
    // exchanges run with `timing`.
    explicit TMainForm(Prompts* prompts = nullptr, QWidget* parent = nullptr, const Timing& timing = {});
    ~TMainForm() override;

    QTabWidget* PageControl;
    ConnectPage* connectPage;
    ConfigurePage* configurePage;
    DataPage* dataPage;
    LogPage* logPage;
    AboutPage* aboutPage;

    QCheckBox* SimulateChk; // never visible: its state comes from the settings
    QPushButton* CloseBtn;

    // Status bar panels.
    QLabel* ConnectStatusDisp;
    QProgressBar* ProgressBar1;
    QLabel* LogDisp;
    QLabel* XYDisp;
    QLabel* ROCDisp;

    QTimer* Timer3; // start-up timer

    // The plot record; null until the first show.
    Plot* plot() const { return m_plot.get(); }

    // The index into the speed table that Connect uses.
    int speedIndex() const { return m_speedIndex; }
    void setSpeedIndex(int index) { m_speedIndex = index; }

    // The module worker and the handlers of the module controls.
    ModuleController& module() const { return *m_module; }
    ModuleActions& actions() const { return *m_actions; }

    // True when the window border lets the user resize the window.
    bool isSizeable() const { return m_sizeable; }

    // The values the window would remember if it closed now.
    AppSettings currentSettings() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildStatusBar();
    void FormShow();
    void Timer3Timer();
    void PageControlChange();
    void applySettings(const AppSettings& settings);
    void setSizeable(bool sizeable);

    std::unique_ptr<Prompts> m_ownPrompts;
    Prompts& m_prompts;
    std::unique_ptr<ModuleController> m_module;
    ModuleActions* m_actions;
    bool m_firstShow = true;
    bool m_closeWhenIdle = false;
    bool m_sizeable = false;
    int m_speedIndex = AppSettings::kDefaultSpeedIndex;
    std::unique_ptr<Plot> m_plot;
};

} // namespace vimo
