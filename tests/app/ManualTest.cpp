// "Manual" on the About page and in the Help menu: the PDF goes to the desktop, or a box says where Vimo looked.

#include "ModalScript.h"
#include "WindowHarness.h"
#include "app/ManualOpener.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace vimo::test {
namespace {

class Manual : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        startWindow();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        WindowTest::TearDown();
    }

    UrlCatcher catcher;
};

// The build puts the manual beside the test program, as an install puts it beside Vimo or in its data folder.
TEST_F(Manual, helpManual_opensThePdfBesideTheProgram)
{
    QAction* manual = window->helpMenu()->findChild<QAction*>(QStringLiteral("ManualAction"));
    ASSERT_TRUE(manual);
    EXPECT_EQ(manual->text(), QStringLiteral("&Manual"));
    EXPECT_EQ(window->helpMenu()->actions().indexOf(manual), 1) << "after About";
    manual->trigger();
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(QDir::cleanPath(catcher.urls[0].toLocalFile()),
              QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("VimoManual.pdf")));
    EXPECT_TRUE(QFileInfo(catcher.urls[0].toLocalFile()).size() > 0);
}

// A missing manual is said, with every place looked in, and nothing goes to the desktop; a folder of that name is
// no manual either.
TEST_F(Manual, missing_saysSoAndNamesWhereItLooked)
{
    QTemporaryDir empty;
    ASSERT_TRUE(QDir(empty.path()).mkdir(QStringLiteral("VimoManual.pdf")));
    const QStringList places{empty.filePath(QStringLiteral("VimoManual.pdf")),
                             empty.filePath(QStringLiteral("share/vimo/VimoManual.pdf"))};
    QString said;
    {
        ModalScript script;
        script.thenMessage([&said](QWidget* box) {
            said = messageText(box);
            acceptMessage(box);
        });
        EXPECT_FALSE(openManual(window.get(), places));
    }
    EXPECT_TRUE(said.startsWith(QStringLiteral("The manual VimoManual.pdf was not found."))) << said.toStdString();
    for (const QString& place : places)
        EXPECT_TRUE(said.contains(place)) << place.toStdString();
    EXPECT_TRUE(catcher.urls.isEmpty());
}

} // namespace
} // namespace vimo::test
