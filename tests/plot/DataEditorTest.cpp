#include "plot/DataEditor.h"

#include "RenderFixture.h"
#include "data/Plot.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vimo;

namespace {

struct DataUndoTest : ::testing::Test {
    Plot plot;
    DataEditor editor{plot};

    // A set of n samples one second apart, altitude 100 + i.
    DataSet& addSet(int n)
    {
        DataSet& set = plot.signals.createDataSet();
        set.clearSamples();
        for (int i = 0; i < n; ++i)
            set.altitude.series.append(i, 100 + i);
        set.trigger.series.append(5, 105);
        return set;
    }
};

} // namespace

TEST_F(DataUndoTest, cropUndoesToTheSamplesAndTheViewBeforeAndRedoesAgain)
{
    DataSet& a = addSet(100);
    DataSet& b = addSet(50);
    a.addRateMark(2, 80);
    plot.setRange({30, 60, 0, 20});
    QSignalSpy changed(&editor, &DataEditor::changed);

    editor.crop();
    EXPECT_EQ(a.altitude.series.count(), 31);
    EXPECT_EQ(b.altitude.series.count(), 20);
    EXPECT_EQ(a.rateMarkCount(), 0);
    const PlotRange cropped = plot.range();

    editor.undo();
    EXPECT_EQ(a.altitude.series.count(), 100);
    EXPECT_EQ(a.altitude.series.altitude(99), 199);
    EXPECT_EQ(a.trigger.series.count(), 1);
    EXPECT_EQ(a.rateMarkCount(), 1);
    EXPECT_EQ(b.altitude.series.count(), 50);
    EXPECT_EQ(plot.range(), (PlotRange{30, 60, 0, 20}));

    editor.redo();
    EXPECT_EQ(a.altitude.series.count(), 31);
    EXPECT_EQ(a.altitude.series.altitude(0), 130);
    EXPECT_EQ(plot.range(), cropped);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(DataUndoTest, deleteGivesBackTheSameDataSetAtItsPlaceEvenAfterALoad)
{
    addSet(10);
    DataSet* middle = &addSet(20);
    addSet(30);
    ASSERT_TRUE(editor.deleteDataSet(1));
    EXPECT_EQ(plot.signals.size(), 2);
    EXPECT_EQ(plot.signals.indexOf(middle), -1);
    addSet(40); // a download or load appends meanwhile

    editor.undo();
    ASSERT_EQ(plot.signals.size(), 4);
    EXPECT_EQ(&plot.signals.at(1), middle);
    EXPECT_EQ(middle->altitude.series.count(), 20);
    editor.redo();
    EXPECT_EQ(plot.signals.indexOf(middle), -1);
    EXPECT_FALSE(editor.deleteDataSet(7));
}

TEST_F(DataUndoTest, peakTagsAndRateMarksUndoOneByOne)
{
    DataSet& set = addSet(10);
    ASSERT_TRUE(editor.togglePeak(0, 4));
    ASSERT_TRUE(editor.placeRateMark(0, 1, 8, {1, 101}, {8, 108}));
    EXPECT_EQ(set.altitude.series.tag(4), 1);
    EXPECT_EQ(set.rateMarkCount(), 1);

    editor.undo();
    EXPECT_EQ(set.rateMarkCount(), 0);
    EXPECT_EQ(set.altitude.series.tag(4), 1);
    editor.undo();
    EXPECT_EQ(set.altitude.series.tag(4), 0);
    editor.redo();
    editor.redo();
    EXPECT_EQ(set.altitude.series.tag(4), 1);
    ASSERT_EQ(set.rateMarkCount(), 1);
    EXPECT_EQ(set.rateMarks[0].first, 1);
    EXPECT_EQ(set.rateMarks[0].second, 8);
}

TEST_F(DataUndoTest, changesThatChangeNothingAreNotRecorded)
{
    DataSet& set = addSet(10);
    EXPECT_FALSE(editor.togglePeak(0, 10));                            // no such sample
    EXPECT_FALSE(editor.placeRateMark(0, 3, 3, {3, 103}, {9, 109}));   // both ends on one sample
    EXPECT_FALSE(editor.placeRateMark(0, 1, 8, {1, 101}, {1.5, 108})); // too short a drag
    EXPECT_FALSE(editor.changeDataSet(0, QStringLiteral("nothing"), [](Plot&, int) { return false; }));
    EXPECT_FALSE(editor.changeDataSet(3, QStringLiteral("no set"), [](Plot&, int) { return true; }));
    EXPECT_EQ(editor.stack().count(), 0);
    EXPECT_EQ(set.rateMarkCount(), 0);
}

TEST_F(DataUndoTest, aChangeThatMovedTheViewPutsItBackAndOneThatDidNotLeavesIt)
{
    addSet(10);
    plot.setRange({0, 20, 0, 20});
    editor.changeDataSet(0, QStringLiteral("shift"), [](Plot& p, int k) {
        p.signals.at(k).altitude.series.setAltitude(0, -50);
        return true;
    });
    plot.setRange({2, 8, 2, 8}); // the user zooms afterwards
    editor.undo();
    EXPECT_EQ(plot.signals.at(0).altitude.series.altitude(0), 100);
    EXPECT_EQ(plot.range(), (PlotRange{2, 8, 2, 8}));

    editor.changeDataSet(0, QStringLiteral("rescale"), [](Plot& p, int) {
        p.setRange({0, 100, 0, 100});
        p.info3 = QStringLiteral("max=1");
        return true;
    });
    editor.undo();
    EXPECT_EQ(plot.range(), (PlotRange{2, 8, 2, 8}));
    EXPECT_EQ(plot.info3, QString());
}

TEST_F(DataUndoTest, hidingADataSetIsOneUndoableStep_andAHiddenSetIsDrawnAsIfItWereNotThere)
{
    addSet(10);
    DataSet& hidden = addSet(20);
    hidden.altitude.lineColor = 0x00FF00;
    hidden.addRateMark(2, 15);
    hidden.altitude.series.setTag(8, 1);
    plot.setRange({0, 20, 90, 130});
    QSignalSpy changed(&editor, &DataEditor::changed);

    EXPECT_FALSE(editor.setDataSetVisible(1, true)) << "already shown";
    EXPECT_FALSE(editor.setDataSetVisible(2, false)) << "no such data set";
    ASSERT_TRUE(editor.setDataSetVisible(1, false));
    EXPECT_FALSE(hidden.altitude.visible);
    EXPECT_TRUE(hidden.trigger.visible) << "it still carries trigger data";
    EXPECT_EQ(editor.stack().count(), 1);
    EXPECT_GE(changed.count(), 1);

    Plot without;
    without.setRange(plot.range());
    DataSet& only = without.signals.createDataSet();
    only.clearSamples();
    for (int i = 0; i < 10; ++i)
        only.altitude.series.append(i, 100 + i);
    only.trigger.series.append(5, 105);
    const QImage picture = test::renderOnImage(plot, 100, test::pageOf(7, 3.5)).image;
    EXPECT_EQ(test::differingPixels(picture, test::renderOnImage(without, 100, test::pageOf(7, 3.5)).image), 0)
        << "neither its line nor its marks nor its triggers";

    editor.undo();
    EXPECT_TRUE(hidden.altitude.visible);
    editor.redo();
    EXPECT_FALSE(hidden.altitude.visible);
}
