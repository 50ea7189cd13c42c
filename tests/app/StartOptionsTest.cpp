// `vimo --version` and `vimo --help` are answered before any window (or display) is needed.

#include "app/StartOptions.h"
#include "app/AppInfo.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using vimo::answerStartOption;

TEST(StartOptions, versionAndHelpAreAnsweredWithoutAWindow)
{
    const char* version[] = {"vimo", "--version"};
    EXPECT_EQ(answerStartOption(2, version), QString("vimo " + vimo::appinfo::versionText() + "\n"));
    const QRegularExpression release(QStringLiteral("^\\d+\\.\\d+\\.\\d+( \\(git [0-9a-f]+\\))?$"));
    EXPECT_TRUE(release.match(vimo::appinfo::versionText()).hasMatch()) << vimo::appinfo::versionText().toStdString();

    const char* help[] = {"vimo", "-h"};
    const auto text = answerStartOption(2, help);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->startsWith("Usage: vimo ")) << text->toStdString();
    EXPECT_TRUE(text->contains("--version"));
}

TEST(StartOptions, qtOptionsAndNoOptionsStartTheWindow)
{
    const char* none[] = {"vimo"};
    EXPECT_FALSE(answerStartOption(1, none));
    const char* qt[] = {"vimo", "-platform", "offscreen", "-style", "fusion"};
    EXPECT_FALSE(answerStartOption(5, qt));
}
