// The menu bar, the recent files and what the window remembers of the user's work between runs.

#include "ModalScript.h"
#include "WindowHarness.h"

#include "app/RecentFiles.h"
#include "app/pages/DataPage.h"
#include "app/plotview/PlotBox.h"
#include "app/session/DataFileActions.h"
#include "app/session/OutputActions.h"
#include "data/DataFile.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

namespace vimo::test {
namespace {

class MenusTest : public WindowTest {
protected:
    QTemporaryDir files;

    // A data set file of one data set, written as Save writes it.
    QString dataFile(const QString& name)
    {
        Plot plot;
        plot.signals.createDataSet();
        const QString path = files.filePath(name);
        EXPECT_EQ(datafile::saveDataSetFile(path, plot, 0), SaveStatus::Saved);
        return path;
    }

    QMenu* menu(const char* name) const { return window->findChild<QMenu*>(QLatin1String(name)); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }

    void restartWindow()
    {
        window->close();
        window.reset();
        startWindow();
    }
};

TEST_F(MenusTest, theMenuBarOffersEveryCommandWithShortcutAndTooltip)
{
    startWindow();
    QStringList titles;
    for (QAction* entry : window->menuBar()->actions())
        titles << entry->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&View"),
                                   QStringLiteral("&Logbook"), QStringLiteral("&Module"), QStringLiteral("&Help")}));

    QSet<QKeySequence> shortcuts;
    for (QMenu* m : {window->fileMenu(), window->editMenu(), window->viewMenu(), window->logbookMenu(),
                     window->moduleMenu(), window->helpMenu()}) {
        for (QAction* a : m->actions()) {
            if (a->isSeparator() || a->menu())
                continue;
            EXPECT_FALSE(a->shortcut().isEmpty()) << a->text().toStdString();
            EXPECT_FALSE(a->toolTip().isEmpty()) << a->text().toStdString();
            // Undo Delete shares the Undo key on purpose: it works on the Logbook page, where the plot's Undo steps
            // aside.
            if (a->objectName() == QStringLiteral("LogbookUndoDelete"))
                continue;
            EXPECT_FALSE(shortcuts.contains(a->shortcut()))
                << "shared shortcut " << a->text().toStdString() << " " << a->shortcut().toString().toStdString();
            shortcuts.insert(a->shortcut());
        }
    }
    EXPECT_EQ(action("UndoAction")->shortcut(), QKeySequence(QKeySequence::Undo));
}

TEST_F(MenusTest, undoAndRedoFollowTheDataEditsAndStayOffDuringAnExchange)
{
    startWindow();
    QAction* undo = action("UndoAction");
    EXPECT_FALSE(undo->isEnabled());
    window->session().plot().setRange({0, 5, 0, 200});
    action("CropAction")->trigger();
    EXPECT_TRUE(undo->isEnabled());
    window->session().setExchangeRunning(true);
    EXPECT_FALSE(undo->isEnabled());
    window->session().setExchangeRunning(false);
    const int before = window->session().plot().signals.at(0).altitude.series.count();
    undo->trigger();
    EXPECT_GT(window->session().plot().signals.at(0).altitude.series.count(), before);
    EXPECT_TRUE(action("RedoAction")->isEnabled());
}

TEST_F(MenusTest, loadedFilesBecomeRecentFiles_newestFirst_andAreRememberedBetweenRuns)
{
    startWindow();
    const QString first = dataFile(QStringLiteral("first.csv"));
    const QString second = dataFile(QStringLiteral("second.csv"));
    window->session().files().loadFiles({first, second, first});
    EXPECT_EQ(window->recentFiles(), (QStringList{first, second}));
    EXPECT_EQ(window->findChild<QMenu*>(QStringLiteral("RecentMenu"))->actions().size(), 2);

    restartWindow();
    EXPECT_EQ(window->recentFiles(), (QStringList{first, second}));
    QMenu* recent = menu("RecentMenu");
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_TRUE(recent->actions().at(0)->text().contains(QStringLiteral("first.csv")));
    ASSERT_EQ(window->session().plot().signals.size(), 1); // the start-up set
    recent->actions().at(1)->trigger();
    ASSERT_EQ(window->session().plot().signals.size(), 1); // the file's set took its place
    EXPECT_EQ(window->session().plot().signals.at(0).altitude.series.count(), 21);
    EXPECT_EQ(window->recentFiles().constFirst(), second);
}

TEST_F(MenusTest, aRecentFileThatIsGone_isReportedAndLoadsNothing)
{
    startWindow();
    const QString gone = dataFile(QStringLiteral("gone.csv"));
    window->session().files().loadFiles({gone});
    QFile::remove(gone);
    const int sets = window->session().plot().signals.size();
    QString reported;
    ModalScript script;
    script.thenMessage([&](QWidget* box) {
        reported = messageText(box);
        acceptMessage(box);
    });
    menu("RecentMenu")->actions().at(0)->trigger();
    EXPECT_EQ(window->session().plot().signals.size(), sets);
    EXPECT_TRUE(reported.startsWith(QStringLiteral("Unable to open"))) << reported.toStdString();
}

TEST_F(MenusTest, legendToggles_areRememberedBetweenRuns_andTheExportOneReachesTheOutput)
{
    startWindow();
    QAction* legend = action("LegendAction");
    QAction* inOutput = action("LegendInOutputAction");
    EXPECT_FALSE(pageOf<DataPage>(*window)->plotBox()->legendShown());
    EXPECT_FALSE(window->session().output().legend()) << "off in exports and prints unless asked for";
    legend->trigger();
    inOutput->trigger();
    EXPECT_TRUE(pageOf<DataPage>(*window)->plotBox()->legendShown());
    EXPECT_TRUE(window->session().output().legend());

    restartWindow();
    EXPECT_TRUE(pageOf<DataPage>(*window)->plotBox()->legendShown());
    EXPECT_TRUE(action("LegendAction")->isChecked());
    EXPECT_TRUE(window->session().output().legend());
}

TEST_F(MenusTest, theFileDialogsFolders_areRememberedBetweenRuns_andAMissingOneIsIgnored)
{
    startWindow();
    QDir(files.path()).mkdir(QStringLiteral("flights"));
    const QString flights = files.filePath(QStringLiteral("flights"));
    window->session().files().setFolders(flights, files.path());
    window->session().output().setExportFolder(flights);
    restartWindow();
    EXPECT_EQ(window->session().files().loadFolder(), flights);
    EXPECT_EQ(window->session().files().saveFolder(), QDir(files.path()).absolutePath());
    EXPECT_EQ(window->session().output().exportFolder(), flights);

    const QString before = window->session().files().loadFolder();
    window->session().files().setFolders(files.filePath(QStringLiteral("no/such")), QString());
    EXPECT_EQ(window->session().files().loadFolder(), before);
}

TEST(RecentFiles, keepEightNewestFirstWithoutRepeats)
{
    QStringList list;
    for (int i = 0; i < 10; ++i)
        list = withRecentFile(list, QStringLiteral("/f/%1.csv").arg(i));
    ASSERT_EQ(list.size(), kMaxRecentFiles);
    EXPECT_EQ(list.constFirst(), QStringLiteral("/f/9.csv"));
    EXPECT_EQ(list.constLast(), QStringLiteral("/f/2.csv"));
    list = withRecentFile(list, QStringLiteral("/f/5.csv"));
    EXPECT_EQ(list.constFirst(), QStringLiteral("/f/5.csv"));
    EXPECT_EQ(list.count(QStringLiteral("/f/5.csv")), 1);
    EXPECT_EQ(withRecentFile(list, QString()), list);
    EXPECT_EQ(withRecentFile({}, QStringLiteral("/f/a/../b.csv")), QStringList{QStringLiteral("/f/b.csv")});
}

} // namespace
} // namespace vimo::test
