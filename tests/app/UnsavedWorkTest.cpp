// The window's care for the user's data sets: Close with data sets that no file holds asks Save all / Discard /
// Cancel (and only then), and the start-up placeholder makes way for real data and stays out of plot files.

#include "WindowHarness.h"

#include "ModalScript.h"
#include "app/pages/DataPage.h"
#include "app/session/DataFileActions.h"
#include "app/session/UnsavedDataSets.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "plot/DataEditor.h"
#include "support/TestFiles.h"

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace vimo::test {
namespace {

class UnsavedWork : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(files.isValid());
        startWindow();
        writeFile(path("flight.csv"), "0, 1, 0\r\n1, 5, 0\r\n2, 3, 0\r\n");
    }

    QString path(const char* name) const { return files.filePath(QLatin1String(name)); }
    Plot& plot() { return window->session().plot(); }
    DataFileActions& dataFiles() { return window->session().files(); }
    int questions() const
    {
        int n = 0;
        for (const ScriptedPrompts::Shown& s : prompts.shown)
            n += s.kind == QStringLiteral("saveDiscardCancel");
        return n;
    }
    // A set as a download adds it: it joins the plot and no file holds it.
    void addDownloadedSet()
    {
        DataSet& set = plot().signals.createDataSet();
        set.clearSamples();
        set.altitude.series.append(0, 10);
        plot().signals.notifyChanged(plot().signals.size() - 1);
    }

    QTemporaryDir files;
};

TEST_F(UnsavedWork, nothingIsAskedWhenEveryDataSetIsHeldByAFile)
{
    ASSERT_EQ(dataFiles().loadFiles({path("flight.csv")}), 1);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(questions(), 0); // neither the loaded set nor the untouched start-up set counts
}

TEST_F(UnsavedWork, aDownloadedSetAsksAndCancelKeepsTheWindowDiscardCloses)
{
    addDownloadedSet();
    prompts.saveAnswers = {SaveAnswer::Cancel};
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(questions(), 1);
    EXPECT_EQ(plot().signals.size(), 2);

    prompts.saveAnswers = {SaveAnswer::Discard};
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(questions(), 2);
}

TEST_F(UnsavedWork, anEditAfterALoadAsks_andSaveAllWritesThePlotThenCloses)
{
    ASSERT_EQ(dataFiles().loadFiles({path("flight.csv")}), 1);
    window->session().editor().changeDataSet(0, QStringLiteral("Rename"), [](Plot& p, int k) {
        p.signals.rename(k, QStringLiteral("Edited"));
        return true;
    });
    EXPECT_TRUE(dataFiles().unsaved().any());

    // Save all whose file dialog is cancelled saves nothing and keeps the window open.
    prompts.saveAnswers = {SaveAnswer::SaveAll, SaveAnswer::SaveAll};
    {
        ModalScript cancel;
        cancel.thenFileDialog([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
        window->close();
    }
    EXPECT_TRUE(window->isVisible());

    ModalScript script;
    script.thenFileDialog([&](QWidget* dialog) { chooseFiles(dialog, {path("all.csv")}); });
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readFile(path("all.csv")), datafile::plotFileBytes(plot()));
}

TEST_F(UnsavedWork, savingEachDataSetOnItsOwnCountsAsSaved)
{
    addDownloadedSet();
    addDownloadedSet();
    for (int k : {1, 2}) {
        ModalScript script;
        script
            .then([](QWidget* choice) {
                click(choice->findChildren<QRadioButton*>().constFirst()); // the active data set only
                click(child<QPushButton>(choice, "OKBtn"));
            })
            .thenFileDialog([&, k](QWidget* dialog) { chooseFiles(dialog, {path(k == 1 ? "one.csv" : "two.csv")}); });
        dataFiles().save(k);
        EXPECT_EQ(dataFiles().unsaved().isUnsaved(2), k == 1);
    }
    plot().signals.deleteDataSet(0); // the rows move; each set keeps its state
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(questions(), 0);
}

TEST_F(UnsavedWork, thePlaceholderMakesWayForTheFirstLoad_andTheRealDataIsScaledToFit)
{
    ASSERT_EQ(plot().signals.size(), 1); // the 0..20 ramp
    ASSERT_EQ(dataFiles().loadFiles({path("flight.csv")}), 1);
    ASSERT_EQ(plot().signals.size(), 1);
    EXPECT_EQ(plot().signals.at(0).altitude.series.count(), 3);
    EXPECT_LT(plot().xMax, 20); // fitted to 0..2 s and 1..5, not left at the ramp's 0..20
    EXPECT_LT(plot().yMax, 20);
    EXPECT_GE(plot().xMax, 2);
    EXPECT_GE(plot().yMax, 5);

    // Only the first arrival: later loads add beside what is there.
    ASSERT_EQ(dataFiles().loadFiles({path("flight.csv")}), 1);
    EXPECT_EQ(plot().signals.size(), 2);
}

TEST_F(UnsavedWork, aPlaceholderTheUserChangedStays)
{
    window->session().editor().changeDataSet(0, QStringLiteral("Rename"), [](Plot& p, int k) {
        p.signals.rename(k, QStringLiteral("Mine"));
        return true;
    });
    ASSERT_EQ(dataFiles().loadFiles({path("flight.csv")}), 1);
    ASSERT_EQ(plot().signals.size(), 2);
    EXPECT_EQ(plot().signals.at(0).name(), QStringLiteral("Mine"));
}

TEST_F(UnsavedWork, aPlotFileNeverHoldsThePlaceholder)
{
    ModalScript script;
    script
        .then([](QWidget* choice) {
            click(choice->findChildren<QRadioButton*>().constLast()); // the plot and all data sets
            click(child<QPushButton>(choice, "OKBtn"));
        })
        .thenFileDialog([&](QWidget* dialog) { chooseFiles(dialog, {path("plot.csv")}); });
    dataFiles().save(0);
    Plot reread;
    EXPECT_EQ(datafile::loadDataFile(path("plot.csv"), reread), 0);
}

} // namespace
} // namespace vimo::test
