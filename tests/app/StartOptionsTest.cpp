// `vimo --version` and `vimo --help` are answered before any window (or display) is needed.

#include "app/StartOptions.h"
#include "app/AppInfo.h"

#include <QDir>
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

// `vimo FILE.csv...` as the desktop starts it: the files in order, made absolute; options are passed over, and
// after "--" everything is a file.
TEST(StartOptions, filesToOpen_areTheArgumentsThatAreNoOptions)
{
    using vimo::filesToOpen;
    EXPECT_TRUE(filesToOpen({"vimo"}).isEmpty());
    EXPECT_EQ(filesToOpen({"vimo", "/data/a.csv", "--unknown", "/data/b.csv"}),
              (QStringList{"/data/a.csv", "/data/b.csv"}));
    EXPECT_EQ(filesToOpen({"vimo", "a.csv"}), QStringList{QDir::current().absoluteFilePath("a.csv")});
    EXPECT_EQ(filesToOpen({"vimo", "--", "-odd.csv", "--"}),
              (QStringList{QDir::current().absoluteFilePath("-odd.csv"), QDir::current().absoluteFilePath("--")}));

    const char* fileNamedLikeAnOption[] = {"vimo", "--", "--version"};
    EXPECT_FALSE(vimo::answerStartOption(3, fileNamedLikeAnOption));
}
