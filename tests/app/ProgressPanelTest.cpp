// The status bar's progress text on a clock the test moves.

#include "app/ProgressPanel.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace vimo {
namespace {

TEST(ProgressPanel, addsTheTimeLeftToTheStage_startsOverWithEachStage_andEmptiesWhenDone)
{
    QWidget bar;
    std::int64_t now = 0;
    ProgressPanel panel(&bar, [&now] { return now; });
    bar.show();
    EXPECT_TRUE(panel.isHidden());

    panel.setStage(QStringLiteral("Set 2 of 3"));
    panel.setProgress(0, 100);
    EXPECT_EQ(panel.text(), QStringLiteral("Set 2 of 3"));
    EXPECT_TRUE(panel.isVisible());
    for (int percent = 10; percent <= 30; percent += 10) {
        now += 1000;
        panel.setProgress(percent, 100);
    }
    EXPECT_EQ(panel.text(), QStringLiteral("Set 2 of 3, about 0:10 left")); // 70 % at 10 % a second

    // The next set has its own pace: no figure carried over from the last one.
    panel.setStage(QStringLiteral("Set 3 of 3"));
    EXPECT_EQ(panel.text(), QStringLiteral("Set 3 of 3"));
    now += 1000;
    panel.setProgress(1, 100);
    EXPECT_EQ(panel.text(), QStringLiteral("Set 3 of 3"));

    panel.finish();
    EXPECT_TRUE(panel.text().isEmpty());
    EXPECT_TRUE(panel.isHidden());
}

} // namespace
} // namespace vimo
