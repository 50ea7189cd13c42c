// What the window remembers between runs: one row per value, with its key, its default and the values it may
// take, and where it lives in the window. Reading, writing, the defaults, the check of hand-edited values,
// currentSettings() and the start-up's restore all follow this table; a new remembered value is one row here.
#include "app/MainWindow.h"

#include "app/RecentFiles.h"
#include "app/controllers/ConnectionController.h"
#include "app/controllers/ModuleController.h"
#include "app/dialogs/OutputDialog.h"
#include "app/pages/ConfigurePage.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/DataPage.h"
#include "app/pages/PlotWindow.h"
#include "app/plotview/FlightsPanel.h"
#include "app/plotview/FlightsTableModel.h"
#include "app/session/DataFileActions.h"
#include "app/session/OutputActions.h"
#include "app/session/PlotSession.h"

#include <QAction>
#include <QCheckBox>
#include <algorithm>

namespace vimo {

// The rows of the table, with the helpers that say where a kind of value lives. As a member of the window it
// reaches the window's parts.
struct MainWindow::SettingRows {
    using W = MainWindow;

    // A field of the Configure page's controls, kept as it is.
    template <class T>
    static auto control(T ConfigControls::*field)
    {
        return std::pair{
            [field](const W& w) { return w.m_configurePage->controls().*field; },
            [field](W& w, T value) { w.m_configurePage->editControls([&](ConfigControls& c) { c.*field = value; }); }};
    }

    // A number edit of the Configure page, kept as the number at its start.
    static auto numberEdit(QString ConfigControls::*field)
    {
        return std::pair{[field](const W& w) { return editNumber(w.m_configurePage->controls().*field); },
                         [field](W& w, int value) {
                             w.m_configurePage->editControls(
                                 [&](ConfigControls& c) { c.*field = QString::number(value); });
                         }};
    }

    // A row of a Configure radio group; a negative one is no row at all and takes the first, one beyond the last
    // takes the last.
    static auto radioRow(int ConfigControls::*field)
    {
        return std::pair{[field](const W& w) { return w.m_configurePage->controls().*field; },
                         [field](W& w, int row) {
                             w.m_configurePage->editControls([&](ConfigControls& c) { c.*field = std::max(row, 0); });
                         }};
    }

    template <class T>
    static auto plotField(T Plot::*field)
    {
        return std::pair{[field](const W& w) { return w.m_session->plot().*field; },
                         [field](W& w, T value) { w.m_session->changePlot([&](Plot& p) { p.*field = value; }); }};
    }

    // The print size and colour also fill the output dialog, which shows them from the start.
    template <class T>
    static auto print(T PrintSettings::*field)
    {
        return std::pair{[field](const W& w) { return w.m_session->printSettings().*field; },
                         [field](W& w, T value) {
                             w.m_session->printSettings().*field = value;
                             w.m_session->output().outputDialog().restore();
                         }};
    }

    // A View toggle of the plot session.
    static auto toggle(QAction* PlotCommands::*command)
    {
        return std::pair{[command](const W& w) { return (w.m_session->commands().*command)->isChecked(); },
                         [command](W& w, bool on) { (w.m_session->commands().*command)->setChecked(on); }};
    }

    static std::vector<Setting> settingsGroup();
    static std::vector<Setting> sessionGroup();
};

// The group "Settings", in the order older versions wrote it.
std::vector<MainWindow::Setting> MainWindow::SettingRows::settingsGroup()
{
    return {
        {integerKey(SettingsContext::kPortRow, 0), [](const W& w) { return w.m_connection->selectedPortRow(); },
         [](W& w, int row) { w.m_connectPage->setPortRow(row); }},
        {integerKey("BaudRate", ConnectPage::kDefaultSpeedIndex).inRange(0, int(ConnectPage::speeds().size()) - 1),
         [](const W& w) { return w.m_connection->speedIndex(); },
         [](W& w, int index) { w.m_connection->setSpeedIndex(index); }},
        {integerKey(SettingsContext::kLeft, SettingsContext::kDefaultLeft), [](const W& w) { return w.x(); },
         [](W& w, int left) { w.move(left, w.y()); }},
        {integerKey(SettingsContext::kTop, SettingsContext::kDefaultTop), [](const W& w) { return w.y(); },
         [](W& w, int top) { w.move(w.x(), top); }},
        {switchKey("SimulateTarget", false), [](const W& w) { return w.m_simulateBox->isChecked(); },
         [](W& w, bool on) { w.m_simulateBox->setChecked(on); }},
        {switchKey("ShowPoints", false), [](const W& w) { return w.m_dataPage->showPoints(); },
         [](W& w, bool on) { w.m_dataPage->setShowPoints(on); }},
        {switchKey("ShowInfo", true), plotField(&Plot::showInfo)},
        {switchKey("ShowBackground", false), plotField(&Plot::showBackground)},
        {switchKey("ShowAvgROC", false), plotField(&Plot::showAvgClimb)},
        {switchKey("BlankPart", false), [](const W& w) { return w.m_configurePage->partIsBlank(); },
         [](W& w, bool on) { w.m_configurePage->setPartIsBlank(on); }},
        {switchKey("RevTrig", false), control(&ConfigControls::revTrigChecked)},
        {switchKey("Triggered", false), control(&ConfigControls::trigChecked)},
        {switchKey("Sizeable", false), [](const W& w) { return w.m_connectPage->sizeable(); },
         [](W& w, bool on) { w.m_connectPage->setSizeable(on); }},
        {inchesKey("PrtWidth", 7.0), print(&PrintSettings::widthInches)},
        {inchesKey("PrtHeight", 3.5), print(&PrintSettings::heightInches)},
        {switchKey("PrtColor", false), print(&PrintSettings::inColor)},
        {colourKey("BGColor", Plot::kDefaultBackgroundColor), plotField(&Plot::backgroundColor)},
        {colourKey("GridColor", Plot::kDefaultGridColor), plotField(&Plot::gridColor)},
        {colourKey("ScaleColor", Plot::kDefaultScaleColor), plotField(&Plot::scaleColor)},
        {colourKey("LabelColor", Plot::kDefaultLabelColor), plotField(&Plot::labelColor)},
        {colourKey("InfoColor", Plot::kDefaultInfoColor), plotField(&Plot::infoColor)},
        // The track bars keep a value within their range and snap it to their step.
        {integerKey("ZCut", kZCutBar.minimum), control(&ConfigControls::zCutBar)},
        {integerKey("ZT1", kT1Bar.minimum), control(&ConfigControls::t1Bar)},
        {integerKey("ZT2", kT2Bar.minimum), control(&ConfigControls::t2Bar)},
        {integerKey("AutoStart", 0), radioRow(&ConfigControls::autoStartRow)},
        {integerKey("AutoStartSec", 10), numberEdit(&ConfigControls::autoStartSecText)},
        {integerKey("AutoStartAltitude", 20), numberEdit(&ConfigControls::autoStartAltitudeText)},
        {integerKey("AutoStop", 0), radioRow(&ConfigControls::autoStopRow)},
        {integerKey("AutoStopSec", 60), numberEdit(&ConfigControls::autoStopSecText)},
        {integerKey("AutoStopAltitude", 15), numberEdit(&ConfigControls::autoStopAltitudeText)},
        // The F5J check box stands for the row "On Powerup".
        {integerKey("AutoZero", 0), [](const W& w) { return w.m_configurePage->controls().autoZeroRow; },
         [](W& w, int row) {
             w.m_configurePage->editControls([row](ConfigControls& c) {
                 c.autoZeroRow = groupRow(unsigned(std::max(row, 0)), int(autoZeroNames.size()));
                 c.autoZeroChecked = c.autoZeroRow == kAutoZeroOnPowerup;
             });
         }},
        {integerKey("ExportType", OutputActions::Bitmap).inRange(1, OutputActions::kExportTypeCount),
         [](const W& w) { return w.m_session->output().exportType(); },
         [](W& w, int type) { w.m_session->output().setExportType(type); }},
        {wordKey("Interval", 100), [](const W& w) { return w.m_module->module().config.baseInterval; },
         [](W& w, quint16 interval) { w.m_module->module().config.baseInterval = interval; }},
        // A device path typed into the port box, when no discovered port is chosen.
        {textKey("PortPath"),
         [](const W& w) { return w.m_connection->selectedPortRow() < 0 ? w.m_connectPage->portText() : QString(); },
         [](W& w, const QString& path) {
             if (!path.isEmpty() && w.m_connectPage->portRow() < 0)
                 w.m_connectPage->setPortText(path);
         }},
    };
}

// The group "Session": what the window remembers of the user's work since it keeps more than older versions did.
std::vector<MainWindow::Setting> MainWindow::SettingRows::sessionGroup()
{
    return {
        {filesKey("RecentFiles", kMaxRecentFiles), [](const W& w) { return w.m_recentFiles; },
         [](W& w, const QStringList& files) {
             w.m_recentFiles = files;
             w.updateRecentMenu();
         }},
        {folderKey("LoadFolder"), [](const W& w) { return w.m_session->files().loadFolder(); },
         [](W& w, const QString& folder) { w.m_session->files().setFolders(folder, QString()); }},
        {folderKey("SaveFolder"), [](const W& w) { return w.m_session->files().saveFolder(); },
         [](W& w, const QString& folder) { w.m_session->files().setFolders(QString(), folder); }},
        {folderKey("ExportFolder"), [](const W& w) { return w.m_session->output().exportFolder(); },
         [](W& w, const QString& folder) { w.m_session->output().setExportFolder(folder); }},
        {flagKey("Legend"), toggle(&PlotCommands::legend)},
        {flagKey("LegendInOutput"), toggle(&PlotCommands::legendInOutput)},
        {flagKey("FlightsTable"), [](const W& w) { return w.m_dataPage->flightsTableAction()->isChecked(); },
         [](W& w, bool on) { w.m_dataPage->flightsTableAction()->setChecked(on); }},
        {flagKey("FlightMarks"), toggle(&PlotCommands::flightMarks)},
        {flagKey("FlightMarksInOutput"), toggle(&PlotCommands::flightMarksInOutput)},
        {flagKey("CursorReadout"), toggle(&PlotCommands::cursorReadout)},
        {flagKey("AlignAtLaunch"), toggle(&PlotCommands::alignAtLaunch)},
        {flagKey("ClimbRate"), toggle(&PlotCommands::climbRate)},
        {geometryKey("PlotWindowGeometry"), [](const W& w) { return w.m_plotWindow->geometryText(); },
         [](W& w, const QString& text) { w.m_plotWindow->restoreGeometryText(text); }},
        {countKey("AltitudeUnit", int(AltitudeAxisChoice::AsRecorded))
             .inRange(int(AltitudeAxisChoice::AsRecorded), int(AltitudeAxisChoice::Feet)),
         [](const W& w) { return int(w.m_session->altitudeAxis()); },
         [](W& w, int choice) { w.m_session->setAltitudeAxis(AltitudeAxisChoice(choice)); }},
        {secondsKey("StartHeightWindow", AnalysisOptions{}.window).inRange(0.0, FlightsTableModel::kMaxWindow),
         [](const W& w) { return w.m_dataPage->flightsPanel()->window(); },
         [](W& w, double seconds) { w.m_dataPage->flightsPanel()->setWindow(seconds); }},
    };
}

const std::vector<MainWindow::Setting>& MainWindow::settings()
{
    static const std::vector<Setting> table = [] {
        std::vector<Setting> rows = SettingRows::settingsGroup();
        for (Setting& row : SettingRows::sessionGroup())
            rows.push_back(std::move(row));
        return rows;
    }();
    return table;
}

} // namespace vimo
