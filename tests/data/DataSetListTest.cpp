#include "data/DataSetList.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vimo;

TEST(DataSetList, createDataSetGivesDefaultsAndTheRamp)
{
    DataSetList list;
    DataSet& set = list.createDataSet();
    EXPECT_EQ(set.name(), QStringLiteral("Data000"));
    EXPECT_EQ(set.altitude.lineColor, 0xFF0000u);
    EXPECT_EQ(set.trigger.pointColor, 0xFF0000u);
    EXPECT_EQ(set.altitude.lineStyle, kLineSolid);
    EXPECT_EQ(set.altitude.pointStyle, kPointNone);
    EXPECT_EQ(set.trigger.lineStyle, kLineNone);
    EXPECT_EQ(set.trigger.pointStyle, kPointTriangle);
    EXPECT_TRUE(set.trigger.visible);
    ASSERT_EQ(set.altitude.series.count(), 21);
    EXPECT_EQ(set.trigger.series.count(), 0);
    for (int i = 0; i <= 20; ++i) {
        EXPECT_EQ(set.altitude.series.time(i), i);
        EXPECT_EQ(set.altitude.series.altitude(i), i);
        EXPECT_EQ(set.altitude.series.tag(i), 0);
    }
    EXPECT_EQ(set.rateMarkCount(), 0);
    EXPECT_EQ(list.signalCount(), 2);
    EXPECT_EQ(&list.signalAt(1), &set.trigger);
}

TEST(DataSetList, coloursRepeatAfterThirteenAndNamesAfterAThousand)
{
    DataSetList list;
    for (int i = 0; i < 13; ++i)
        list.createDataSet();
    EXPECT_EQ(list.at(1).altitude.lineColor, 0x0000FFu);
    EXPECT_EQ(list.at(12).altitude.lineColor, 0x808000u);
    EXPECT_EQ(list.createDataSet().altitude.lineColor, 0xFF0000u); // the 14th is blue again
    while (list.size() < 1000)
        list.createDataSet();
    EXPECT_EQ(list.at(999).name(), QStringLiteral("Data999"));
    EXPECT_EQ(list.createDataSet().name(), QStringLiteral("Data000"));
}

TEST(DataSetList, deleteMovesLaterSetsDownAndTellsTheViews)
{
    DataSetList list;
    list.createDataSet();
    list.createDataSet();
    list.createDataSet();
    QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
    list.deleteDataSet(1);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.at(1).name(), QStringLiteral("Data002"));
    EXPECT_EQ(&list.signalAt(2), &list.at(1).altitude);
    EXPECT_EQ(list.data(list.index(1)).toString(), QStringLiteral("Data002"));
    EXPECT_EQ(removed.count(), 1);
    list.deleteDataSet(5); // out of range: nothing happens
    list.deleteDataSet(0);
    list.deleteDataSet(0);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.rowCount(), 0);
}

TEST(DataSetList, takenSetGoesBackAsTheSameObjectWithoutCountingAsNew)
{
    DataSetList list;
    list.createDataSet();
    DataSet* second = &list.createDataSet();
    list.createDataSet();
    QSignalSpy created(&list, &DataSetList::dataSetCreated);
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);

    std::unique_ptr<DataSet> taken = list.takeDataSet(1);
    ASSERT_EQ(taken.get(), second);
    EXPECT_EQ(list.indexOf(second), -1);
    EXPECT_EQ(list.at(1).name(), QStringLiteral("Data002"));

    list.insertDataSet(1, std::move(taken));
    EXPECT_EQ(list.indexOf(second), 1);
    EXPECT_EQ(list.data(list.index(1)).toString(), QStringLiteral("Data001"));
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(created.count(), 0);
    EXPECT_EQ(list.nameCounter(), 3); // putting a set back names nothing

    EXPECT_EQ(list.takeDataSet(7), nullptr);
    list.insertDataSet(99, list.takeDataSet(0)); // beyond the end: appended
    EXPECT_EQ(list.at(2).name(), QStringLiteral("Data000"));
}

TEST(DataSetList, rateMarksTakeTheLowestFreeSlotAndDropThe257th)
{
    DataSet set;
    for (int i = 0; i < kRateMarkSlots; ++i)
        ASSERT_TRUE(set.addRateMark(i, i + 1));
    EXPECT_FALSE(set.addRateMark(1, 2));
    set.rateMarks[7].inUse = false;
    EXPECT_TRUE(set.addRateMark(100, 200));
    EXPECT_EQ(set.rateMarks[7].first, 100);
}

TEST(DataSetList, renameCutsToNineteenCharactersOnOneLine)
{
    DataSetList list;
    list.createDataSet();
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    list.rename(0, QStringLiteral("A very long name\nthat goes on"));
    EXPECT_EQ(list.at(0).name(), QStringLiteral("A very long name th"));
    EXPECT_EQ(changed.count(), 1);
}

TEST(SampleSeries, nearestIndexByTimeWithTiesToTheLater)
{
    SampleSeries s(true);
    EXPECT_EQ(s.nearestIndex(3), -1);
    s.append(5, 1);
    EXPECT_EQ(s.nearestIndex(-100), 0);
    EXPECT_EQ(s.nearestIndex(100), 0);
    s.append(6, 1);
    s.append(10, 1);
    EXPECT_EQ(s.nearestIndex(5.4), 0);
    EXPECT_EQ(s.nearestIndex(5.5), 1); // tie: the later one
    EXPECT_EQ(s.nearestIndex(8), 2);   // tie between 6 and 10
    EXPECT_EQ(s.nearestIndex(7.9), 1);
    EXPECT_EQ(s.nearestIndex(11), 2);
}

TEST(SampleSeries, memoryGrowsWithTheSamplesHeld)
{
    DataSet set;
    const std::size_t empty = set.memoryBytes();
    for (int i = 0; i < 1000; ++i)
        set.altitude.series.append(i, i);
    set.altitude.series.shrinkToFit();
    EXPECT_LE(set.memoryBytes() - empty, 17u * 1000u);
    EXPECT_LT(empty, 8192u);
    // Capacity is a hard limit.
    set.altitude.series.resize(SampleSeries::kCapacity);
    EXPECT_FALSE(set.altitude.series.append(1, 1));
    EXPECT_EQ(set.altitude.series.count(), SampleSeries::kCapacity);
}
