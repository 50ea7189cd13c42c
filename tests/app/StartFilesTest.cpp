// Data files named on the command line, as the desktop opens them with the program.

#include "app/StartFiles.h"
#include "ModalScript.h"
#include "PageControls.h"
#include "WindowHarness.h"
#include "app/pages/DataPage.h"
#include "data/Plot.h"

#include <QFile>
#include <QSignalSpy>
#include <QTimer>

namespace vimo::test {
namespace {

class StartFiles : public WindowTest {
protected:
    QString write(const char* name, const QByteArray& text)
    {
        const QString path = m_dir.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    QTemporaryDir m_dir;
};

// The files load as Load loads them: a refused one is said and passed over, the good one joins the plot and Recent
// Files, and the plot comes forward once the greeting is over, not before.
TEST_F(StartFiles, loadLikeLoad_andShowThePlotAfterTheGreeting)
{
    startWindow();
    const QString good = write("good.csv", "0, 1, 0\r\n1, 2, 0\r\n");
    const QString refused = write("notes.csv", "shopping list\nmilk\n");
    QString refusal;
    {
        ModalScript script;
        script.thenMessage([&refusal](QWidget* box) {
            refusal = messageText(box);
            acceptMessage(box);
        });
        openStartFiles(*window, {refused, good});
    }
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("Unable to open "))) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QStringLiteral("notes.csv")));
    ASSERT_EQ(window->session().plot().signals.size(), 1) << "the placeholder made way";
    EXPECT_EQ(window->session().plot().signals.indexOfSource(good), 0);
    EXPECT_EQ(window->recentFiles(), QStringList{good});
    EXPECT_NE(window->currentPage(), pageOf<DataPage>(*window)) << "the greeting shows first";

    QTimer* greeting = controls(window.get()).startupTimer;
    QSignalSpy ended(greeting, &QTimer::timeout);
    greeting->start(0);
    ASSERT_TRUE(ended.wait(5000));
    EXPECT_EQ(window->currentPage(), pageOf<DataPage>(*window));
}

// Nothing loaded, nothing moves: the greeting hands over to Connect / Download as always.
TEST_F(StartFiles, onlyRefusedFiles_leaveThePagesAlone)
{
    startWindow();
    QTimer* greeting = controls(window.get()).startupTimer;
    greeting->stop(); // the greeting is over
    {
        ModalScript script;
        script.thenMessage([](QWidget* box) { acceptMessage(box); });
        openStartFiles(*window, {m_dir.filePath(QStringLiteral("missing.csv"))});
    }
    EXPECT_NE(window->currentPage(), pageOf<DataPage>(*window));
    openStartFiles(*window, {write("late.csv", "0, 1, 0\r\n")});
    EXPECT_EQ(window->currentPage(), pageOf<DataPage>(*window)) << "after the greeting the plot shows at once";
}

} // namespace
} // namespace vimo::test
