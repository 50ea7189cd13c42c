// The Logbook table as the page shows it: what its cells read and how they sort.

#include "logbook/LogbookIndex.h"
#include "logbook/LogbookModel.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using namespace vimo;

namespace {

FlightRecord lasting(const QString& path, std::optional<double> seconds)
{
    FlightRecord r;
    r.path = path;
    r.downloaded = QDateTime(QDate(2026, 12, 8), QTime(10, 30), Qt::UTC);
    r.measures.duration = seconds;
    return r;
}

} // namespace

TEST(LogbookModel, durationReadsMinutesAndSecondsLikeTheFlightsTable_andSortsByTheSeconds)
{
    QTemporaryDir dir;
    LogbookIndex index(dir.path());
    ASSERT_TRUE(index.put({lasting(QStringLiteral("a.csv"), 540.0), lasting(QStringLiteral("b.csv"), 605.4),
                           lasting(QStringLiteral("c.csv"), 59.6), lasting(QStringLiteral("d.csv"), std::nullopt)}));
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
