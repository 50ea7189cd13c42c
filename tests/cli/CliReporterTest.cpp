// vimo-cli's progress line on a terminal, on a clock the test moves.

#include "cli/CliReporter.h"

#include <QTextStream>
#include <gtest/gtest.h>

namespace vimo::cli {
namespace {

class CliProgress : public ::testing::Test {
protected:
    QString memoText;
    QString errText;
    QTextStream memo{&memoText};
    QTextStream err{&errText};
    std::int64_t now = 0;
    CliReporter reporter{memo, err, [this] { return now; }};
};

TEST_F(CliProgress, onATerminal_keepsOneLineRedrawnInPlace_belowTheMemo_andErasesItAtTheEnd)
{
    reporter.setProgressLine(true);
    reporter.progress(0, 100);
    reporter.status(StatusPanel::Progress, QStringLiteral("Set 1 of 2"));
    reporter.progress(0, 100);
    for (int percent = 20; percent <= 40; percent += 10) {
        now += 1000;
        reporter.progress(percent, 100);
    }
    reporter.progress(40, 100); // the same words again: nothing is redrawn
    reporter.memoLine(QStringLiteral("Set 1: Downloaded 400 data samples."));
    reporter.status(StatusPanel::Progress, QStringLiteral("Set 2 of 2"));
    reporter.progressDone();

    EXPECT_EQ(errText, QStringLiteral("\rSet 1 of 2\x1b[K"
                                      "\rSet 1 of 2, about 0:10 left\x1b[K" // 60 % to go at 10 % a second after 2 s
                                      "\r\x1b[K"                            // erased for the memo line...
                                      "\rSet 1 of 2, about 0:10 left\x1b[K" // ...and drawn again below it
                                      "\rSet 2 of 2\x1b[K"
                                      "\r\x1b[K"));
    EXPECT_EQ(memoText, QStringLiteral("Set 1: Downloaded 400 data samples.\n"));
}

TEST_F(CliProgress, withoutATerminal_saysNothingAboutProgress)
{
    reporter.status(StatusPanel::Progress, QStringLiteral("Set 1 of 2"));
    reporter.progress(50, 100);
    reporter.memoLine(QStringLiteral("line"));
    reporter.progressDone();
    EXPECT_TRUE(errText.isEmpty());
    EXPECT_EQ(memoText, QStringLiteral("line\n"));
    EXPECT_FALSE(isTerminal(err));
}

} // namespace
} // namespace vimo::cli
