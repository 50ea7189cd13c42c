// The Logbook page inside the window, against the simulated module: downloads show up at once, Open loads into the
// plot, Delete and its undo go through the Logbook menu, and "Erase Data" tells how many sets are safely archived.

#include "ModalScript.h"
#include "PageControls.h"
#include "WindowHarness.h"
#include "app/controllers/ConnectionController.h"
#include "app/dialogs/Prompts.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/DataPage.h"
#include "app/pages/LogbookPage.h"
#include "data/Plot.h"
#include "logbook/Logbook.h"
#include "support/SimFixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace vimo::test {
namespace {

constexpr const char* kQuestion = "This will erase all altitude data in the device.  Are you sure?";

class LogbookWindow : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        startWindow();
    }

    ConnectControls page() const { return controls(pageOf<ConnectPage>(*window)); }
    QTableView* table() const { return pageOf<LogbookPage>(*window)->table(); }
    int logbookRows() const { return table()->model()->rowCount(); }

    void connectAndListSets()
    {
        connectTo(sim.path());
        click(page().downloadInfoButton);
        ASSERT_TRUE(waitIdle());
    }

    // Downloads one row of the data set box (the last row is "All").
    void download(int row)
    {
        page().setBox->setCurrentIndex(row);
        click(page().downloadDataButton);
        ASSERT_TRUE(waitIdle());
    }

    void selectLogbookRows(int count)
    {
        QItemSelectionModel* selection = table()->selectionModel();
        selection->clearSelection();
        for (int row = 0; row < count; ++row)
            selection->select(table()->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    QAction* logbookAction(const char* name) const
    {
        for (QAction* action : window->logbookMenu()->actions())
            if (action->objectName() == QLatin1String(name))
                return action;
        ADD_FAILURE() << "no action " << name << " in the Logbook menu";
        return nullptr;
    }

    // Answers No to "Erase Data" and returns the question it asked.
    QString eraseQuestion()
    {
        prompts.shown.clear();
        prompts.answers = {false};
        click(page().eraseButton);
        EXPECT_TRUE(waitIdle());
        EXPECT_EQ(prompts.shown.size(), 1);
        return prompts.shown.isEmpty() ? QString() : prompts.shown.last().text;
    }

    SimFixture sim{simWithSets(3, 400)};
};

TEST_F(LogbookWindow, pageSitsBesideRecordedDataAndEveryDownloadAddsItsRowAtOnce)
{
    QTabWidget* tabs = controls(window.get()).pages;
    EXPECT_EQ(tabs->indexOf(pageOf<LogbookPage>(*window)), tabs->indexOf(pageOf<DataPage>(*window)) + 1);
    EXPECT_EQ(tabs->tabText(tabs->indexOf(pageOf<LogbookPage>(*window))), QStringLiteral("Logbook"));
    EXPECT_EQ(&window->connection().logbook(), &window->logbook()) << "one logbook per window";

    EXPECT_EQ(logbookRows(), 0);
    connectAndListSets();
    download(1);
    EXPECT_EQ(logbookRows(), 1);
    download(3); // "All": the set downloaded before is in the Logbook already
    EXPECT_EQ(logbookRows(), 3);
}

TEST_F(LogbookWindow, secondDownloadOfTheSameSet_addsNoRowAndTheMemoSaysSo)
{
    connectAndListSets();
    download(1);
    ASSERT_EQ(window->logbook().index().recordings().size(), 1u);
    const int plotted = window->session().plot().signals.size();
    download(1);
    EXPECT_EQ(window->logbook().index().recordings().size(), 1u);
    const QString said = memo().filter(QStringLiteral("is already in the Logbook")).value(0);
    const QString day =
        window->logbook().index().recordings().front().downloaded.toLocalTime().date().toString(Qt::ISODate);
    EXPECT_EQ(said, QStringLiteral("Set 2 is already in the Logbook (%1)").arg(day)) << memo().join('\n').toStdString();
    EXPECT_EQ(window->session().plot().signals.size(), plotted + 1) << "the set still reaches the plot";
}

TEST_F(LogbookWindow, openLoadsTheSelectedFlightsIntoThePlotAndShowsThem)
{
    connectAndListSets();
    download(3);
    ASSERT_EQ(logbookRows(), 3);
    const int before = window->session().plot().signals.size();
    window->showPage(pageOf<LogbookPage>(*window));
    selectLogbookRows(2);
    logbookAction("LogbookOpen")->trigger();
    EXPECT_EQ(window->session().plot().signals.size(), before + 2);
    EXPECT_EQ(window->currentPage(), pageOf<DataPage>(*window));
    EXPECT_EQ(window->recentFiles().size(), 2) << "opened as Load opens";

    // A file that went missing is refused as Load refuses it, with nothing added.
    window->showPage(pageOf<LogbookPage>(*window));
    table()->selectionModel()->select(table()->model()->index(2, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QStringList chosen = pageOf<LogbookPage>(*window)->selectedFiles();
    ASSERT_EQ(chosen.size(), 1);
    QFile::remove(chosen.first());
    ModalScript script;
    QString refusal;
    script.thenMessage([&refusal](QWidget* box) {
        refusal = messageText(box);
        acceptMessage(box);
    });
    logbookAction("LogbookOpen")->trigger();
    EXPECT_EQ(window->session().plot().signals.size(), before + 2);
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("Unable to open "))) << refusal.toStdString();
    EXPECT_EQ(window->currentPage(), pageOf<LogbookPage>(*window));
}

TEST_F(LogbookWindow, deleteFromTheMenuMovesTheFlightsAsideAndUndoBringsThemBack)
{
    connectAndListSets();
    download(3);
    ASSERT_EQ(logbookRows(), 3);
    window->showPage(pageOf<ConnectPage>(*window));
    selectLogbookRows(2);
    const QStringList files = pageOf<LogbookPage>(*window)->selectedFiles();
    logbookAction("LogbookDelete")->trigger();
    EXPECT_EQ(window->currentPage(), pageOf<LogbookPage>(*window)) << "shows what it acted on";
    EXPECT_EQ(logbookRows(), 1);
    EXPECT_EQ(window->logbook().index().recordings().size(), 1u);
    for (const QString& file : files)
        EXPECT_FALSE(QFile::exists(file));

    QAction* undo = logbookAction("LogbookUndoDelete");
    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(logbookRows(), 3);
    for (const QString& file : files)
        EXPECT_TRUE(QFile::exists(file));
    EXPECT_FALSE(undo->isEnabled());

    // Ctrl+Z in the table takes back a delete even while the plot has a change to take back.
    selectLogbookRows(1);
    logbookAction("LogbookDelete")->trigger();
    ASSERT_EQ(logbookRows(), 2);
    window->session().commands().undo->setEnabled(true);
    window->activateWindow();
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(logbookRows(), 3);
}

TEST_F(LogbookWindow, eraseQuestion_saysFirstWhatIsNotArchivedAndCountsOnlyWholeFilesOfThisConnection)
{
    connectTo(sim.path());
    QString question = eraseQuestion();
    EXPECT_TRUE(question.startsWith(QStringLiteral("The data sets in the device have not been counted")))
        << question.toStdString();
    EXPECT_TRUE(question.endsWith(QStringLiteral("\n\n") + QLatin1String(kQuestion)));

    click(page().downloadInfoButton);
    ASSERT_TRUE(waitIdle());
    download(1);
    question = eraseQuestion();
    EXPECT_TRUE(question.startsWith(QStringLiteral("2 of the 3 data sets in the device are NOT archived")))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("1 of 3 is safely archived")));
    EXPECT_TRUE(question.endsWith(QLatin1String(kQuestion)));

    // A file removed by hand is no longer safe.
    QFile::remove(window->logbook().absolutePath(window->logbook().index().recordings().front().path));
    EXPECT_TRUE(eraseQuestion().startsWith(QStringLiteral("3 of the 3 data sets in the device are NOT archived")));

    download(3);
    question = eraseQuestion();
    EXPECT_TRUE(question.startsWith(QStringLiteral("All 3 data sets in the device are safely archived")))
        << question.toStdString();
    EXPECT_TRUE(sim->received().indexOf('x') < 0) << "answered No: nothing erased";

    // A new connection starts the count anew: the module may have been erased and flown again meanwhile.
    click(page().connectButton);
    ASSERT_TRUE(waitIdle());
    connectAndListSets();
    EXPECT_TRUE(eraseQuestion().startsWith(QStringLiteral("3 of the 3 data sets in the device are NOT archived")));
}

} // namespace
} // namespace vimo::test

namespace vimo::test {
namespace {

// Opening a flight that is on the plot already selects that data set and says so; nothing is added twice.
TEST_F(LogbookWindow, openingAFlightThatIsOnThePlot_selectsItAndSaysSoInTheStatusBar)
{
    connectAndListSets();
    download(1);
    ASSERT_EQ(logbookRows(), 1);
    window->showPage(pageOf<LogbookPage>(*window));
    selectLogbookRows(1);
    logbookAction("LogbookOpen")->trigger();
    const int sets = window->session().plot().signals.size();
    const int opened = sets - 1;
    window->session().setActiveSet(0);

    window->showPage(pageOf<LogbookPage>(*window));
    selectLogbookRows(1);
    logbookAction("LogbookOpen")->trigger();
    EXPECT_EQ(window->session().plot().signals.size(), sets) << "no second data set of the same flight";
    EXPECT_EQ(window->session().activeSet(), opened);
    EXPECT_EQ(window->currentPage(), pageOf<DataPage>(*window));
    EXPECT_TRUE(window->statusBar()->currentMessage().contains("already on the plot"))
        << window->statusBar()->currentMessage().toStdString();
}

// Enter must never erase the module: the question has No as its default button.
TEST_F(LogbookWindow, eraseDataQuestion_hasNoAsItsDefaultButton)
{
    connectAndListSets();
    eraseQuestion();
    ASSERT_FALSE(prompts.shown.isEmpty());
    EXPECT_EQ(prompts.shown.last().kind, QStringLiteral("yesNoDefaultNo"));

    DialogPrompts real;
    ModalScript script;
    QString caption;
    script.thenMessage([&caption](QWidget* box) {
        auto* question = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(question, nullptr);
        caption = question->windowTitle();
        EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));
        QTest::keyClick(question, Qt::Key_Return);
    });
    EXPECT_FALSE(real.yesNoDefaultNo(window.get(), QStringLiteral("Confirm"), QString::fromLatin1(kQuestion)));
    EXPECT_EQ(caption, QStringLiteral("Confirm"));
}

} // namespace
} // namespace vimo::test
