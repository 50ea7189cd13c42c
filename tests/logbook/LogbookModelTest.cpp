// The Logbook table as the page shows it: what its cells read and how they sort.

#include "logbook/LogbookIndex.h"
#include "logbook/LogbookModel.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using namespace vimo;

TEST(LogbookModel, durationReadsMinutesAndSecondsLikeTheFlightsTable_andSortsByTheSeconds)
{
    QTemporaryDir dir;
    LogbookIndex index(dir.path());
    for (const std::optional<double> seconds : {std::optional(540.0), std::optional(605.4), std::optional(59.6),
                                                std::optional<double>()}) {
        FlightRecord r;
        r.path = QString::number(seconds.value_or(-1)) + QStringLiteral(".csv");
        r.downloaded = QDateTime(QDate(2026, 12, 8), QTime(10, 30), Qt::UTC);
        r.measures.duration = seconds;
        ASSERT_TRUE(index.put(r));
    }
    LogbookModel model;
    model.reload(index);
    LogbookFilter sorted;
    sorted.setSourceModel(&model);
    sorted.sort(LogbookModel::Duration, Qt::AscendingOrder);

    QStringList shown;
    for (int row = 0; row < sorted.rowCount(); ++row)
        shown << sorted.index(row, LogbookModel::Duration).data().toString();
    // As text "10:05" would come before "9:00".
    EXPECT_EQ(shown, (QStringList{QString(), QStringLiteral("1:00"), QStringLiteral("9:00"), QStringLiteral("10:05")}));
}
