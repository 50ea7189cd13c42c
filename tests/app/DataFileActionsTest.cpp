#include "PageFixture.h"

#include "ModalScript.h"
#include "app/dialogs/DataPropertiesDialog.h"
#include "app/dialogs/SaveChoiceDialog.h"
#include "app/session/DataFileActions.h"
#include "data/DataFile.h"
#include "support/TestFiles.h"

#include <QComboBox>
#include <QDate>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUrl>
#include <cerrno>
#include <system_error>

using namespace vimo;
using namespace vimo::test;

namespace {

struct DataFileActionsTest : PageFixture {
    QTemporaryDir dir;
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // Answers the "Save" selection with `row` and OK.
    static ModalScript::Step chooseSaveRow(int row)
    {
        return [row](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save"));
            const auto radios = dialog->findChildren<QRadioButton*>();
            ASSERT_EQ(radios.size(), 2);
            click(radios[row]);
            click(child<QPushButton>(dialog, "OKBtn"));
        };
    }

    // Checks the suggested name in the save dialog, then saves under `target`.
    static ModalScript::Step saveAs(const QString& suggested, const QString& target)
    {
        return [suggested, target](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Vimo Data"));
            EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), suggested);
            chooseFiles(dialog, {target});
        };
    }

    void pressSave() { click(child<QPushButton>(page.get(), "SaveBtn")); }
};

} // namespace

TEST_F(DataFileActionsTest, savesTheActiveDataSetUnderTheSuggestedKindOfName)
{
    plot.signals.createDataSet(); // the active one now: Data001
    session.files().setSelectedSet(3);
    ModalScript script;
    script.then(chooseSaveRow(0)).thenFileDialog(saveAs(QStringLiteral("Alt_%1_4.csv").arg(today), path("set.csv")));
    pressSave();
    EXPECT_EQ(readFile(path("set.csv")), datafile::dataSetFileBytes(plot, 1));
}

TEST_F(DataFileActionsTest, aDownloadedDataSetIsOfferedUnderItsOwnSetNumber)
{
    plot.signals.createDataSet().moduleSet = 1; // module set 2, downloaded with "All" chosen
    session.files().setSelectedSet(3);
    ModalScript script;
    script.then(chooseSaveRow(0)).thenFileDialog(saveAs(QStringLiteral("Alt_%1_2.csv").arg(today), path("set.csv")));
    pressSave();
    EXPECT_TRUE(QFile::exists(path("set.csv")));
}

TEST_F(DataFileActionsTest, savesThePlotAndRemembersTheChoice)
{
    ModalScript script;
    script.then(chooseSaveRow(1)).thenFileDialog(saveAs(QStringLiteral("Plot_%1.csv").arg(today), path("plot.csv")));
    pressSave();
    EXPECT_EQ(readFile(path("plot.csv")), datafile::plotFileBytes(plot));
    EXPECT_EQ(session.files().saveSelection().choice(), SaveChoiceDialog::PlotAndAllDataSets);

    // Cancel in the selection writes nothing.
    ModalScript cancel;
    cancel.then([](QWidget* dialog) { click(child<QPushButton>(dialog, "CancelBtn")); });
    pressSave();
}

TEST_F(DataFileActionsTest, savingWithoutAnActiveDataSetSaysWhyAndWritesNothing)
{
    plot.signals.deleteDataSet(0);
    ModalScript script;
    script.then(chooseSaveRow(0)).thenMessage([](QWidget* box) {
        EXPECT_EQ(messageText(box), QStringLiteral("No data set is selected."));
        acceptMessage(box);
    });
    pressSave();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(DataFileActionsTest, aFileThatCannotBeWrittenIsReported)
{
    // A folder that is a file: nothing can be written below it, not even by root.
    writeFile(path("blocker"), "x");
    const QString target = path("blocker/set.csv");
    ModalScript script;
    script.then(chooseSaveRow(0))
        .thenFileDialog([&](QWidget* dialog) { chooseFiles(dialog, {target}); })
        .thenMessage([&](QWidget* box) {
            EXPECT_EQ(messageText(box),
                      QStringLiteral("Unable to open %1!\n\n%2")
                          .arg(target, QString::fromStdString(std::system_category().message(ENOTDIR))));
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
            acceptMessage(box);
        });
    pressSave();
}

TEST_F(DataFileActionsTest, loadsSeveralFilesOfBothFormsAtOnce)
{
    Plot source;
    DataSet& a = source.signals.createDataSet();
    a.altitude.name = QStringLiteral("Evening");
    source.signals.createDataSet();
    source.setRange({5, 50, 10, 300});
    writeFile(path("a_set.csv"), datafile::dataSetFileBytes(source, 0));
    writeFile(path("b_plot.csv"), datafile::plotFileBytes(source));

    ModalScript script;
    script.then([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Load Vimo Data"));
        chooseFiles(dialog, {path("a_set.csv"), path("b_plot.csv")});
    });
    click(child<QPushButton>(page.get(), "LoadBtn"));
    ASSERT_EQ(plot.signals.size(), 4);
    EXPECT_EQ(plot.signals.at(1).name(), QStringLiteral("Evening"));
    EXPECT_EQ(plot.signals.at(2).name(), QStringLiteral("Evening"));
    EXPECT_EQ(plot.range(), (PlotRange{5, 50, 10, 300})); // from the plot file; nothing rescaled
    EXPECT_EQ(session.activeSet(), 3);
    EXPECT_EQ(session.dataProperties().selectedRow(), 0);
}

TEST_F(DataFileActionsTest, aFileThatCannotBeOpenedIsReportedAndTheOthersStillLoad)
{
    writeFile(path("good.csv"), "0, 1, 0\r\n1, 2, 0\r\n");
    ModalScript script;
    script.thenMessage([](QWidget* box) {
        EXPECT_TRUE(messageText(box).startsWith(QStringLiteral("Unable to open ")));
        EXPECT_TRUE(messageText(box).contains(QStringLiteral("missing.csv!\n\n"))) << "followed by the reason";
        acceptMessage(box);
    });
    EXPECT_EQ(session.files().loadFiles({path("missing.csv"), path("good.csv")}), 1);
    EXPECT_EQ(plot.signals.size(), 2);
}

// A file of which no line is a sample is refused with the reason: nothing is added and it is not remembered.
TEST_F(DataFileActionsTest, aFileThatIsNoDataFileIsRefusedWithTheReasonAndNotRemembered)
{
    writeFile(path("notes.csv"), "shopping list\nmilk\n");
    QStringList remembered;
    QObject::connect(&session.files(), &DataFileActions::fileUsed,
                     [&remembered](const QString& file) { remembered << file; });
    ModalScript script;
    QString refusal;
    script.thenMessage([&refusal](QWidget* box) {
        refusal = messageText(box);
        acceptMessage(box);
    });
    const int before = plot.signals.size();
    EXPECT_EQ(session.files().loadFiles({path("notes.csv")}), 0);
    EXPECT_EQ(plot.signals.size(), before);
    EXPECT_TRUE(remembered.isEmpty());
    EXPECT_TRUE(refusal.endsWith(QStringLiteral("not a Vimo data file"))) << refusal.toStdString();
}

TEST_F(DataFileActionsTest, droppedDataFilesLoadUnlessAnExchangeRuns)
{
    writeFile(path("dropped.csv"), "0, 1, 0\r\n1, 2, 0\r\n");
    QWidget window;
    session.acceptDropsOn(&window);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path("dropped.csv")), QUrl::fromLocalFile(path("picture.png"))});

    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &drop);
    EXPECT_EQ(plot.signals.size(), 2); // the picture is no data file

    session.setExchangeRunning(true);
    QDropEvent refused(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_EQ(plot.signals.size(), 2);
}

TEST_F(DataFileActionsTest, linesPassedOverOnLoadAreShownAsAWarningAndTheDataStillLoads)
{
    writeFile(path("clean.csv"), "0, 1, 0\r\n1, 2, 0\r\n");
    writeFile(path("comma.csv"), "0, 1, 0\r\n1,5, 1,5, 0\r\n2, 3, 0\r\nxx\r\n");
    ModalScript script;
    script.thenMessage([&](QWidget* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Warning"));
        EXPECT_TRUE(messageText(box).startsWith(QDir::toNativeSeparators(path("comma.csv"))));
        EXPECT_TRUE(messageText(box).contains(QStringLiteral("the first of them line 2")));
        acceptMessage(box);
    });
    // One box, for the damaged file only.
    EXPECT_EQ(session.files().loadFiles({path("clean.csv"), path("comma.csv")}), 2);
    EXPECT_EQ(plot.signals.size(), 3);
}
