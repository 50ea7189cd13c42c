#include "PageFixture.h"

#include "ModalScript.h"
#include "app/dialogs/OutputDialog.h"
#include "app/pages/DataPage.h"
#include "app/session/OutputActions.h"
#include "plot/PrintSettings.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

using namespace vimo;
using namespace vimo::test;

namespace {

struct OutputFormTest : ::testing::Test {
    PrintSettings settings;
    OutputDialog form{settings};

    QLineEdit* edit(const char* name) { return child<QLineEdit>(&form, name); }
};

struct PrintTest : PageFixture {
    QTemporaryDir dir;

    // Picks file type `row` in the export dialog as the user does, with the keys on its type list.
    static void chooseType(QWidget* dialog, int row)
    {
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        QTest::keyClick(types, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(types, Qt::Key_Down);
    }

    // Export through both dialogs: type `row`, file `path`, and `width` typed into the output dialog.
    void exportAs(int row, const QString& path, const QString& width = QString())
    {
        ModalScript script;
        script
            .thenFileDialog([&](QWidget* dialog) {
                EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Export Graph Data"));
                chooseType(dialog, row);
                chooseFiles(dialog, {path});
            })
            .thenOn(OutputDialog::staticMetaObject, [&](QWidget* dialog) {
                EXPECT_FALSE(child<QLineEdit>(dialog, "LeftEdit")->isEnabled());
                EXPECT_FALSE(child<QWidget>(dialog, "TopLabel")->isEnabled());
                if (!width.isNull())
                    typeInto(child<QLineEdit>(dialog, "WidthEdit"), width);
                click(child<QPushButton>(dialog, "OKBtn"));
            });
        click(child<QPushButton>(page.get(), "ExportBtn"));
    }
};

} // namespace

TEST_F(OutputFormTest, okReadsEachNumberAndKeepsWhatIsNoNumber)
{
    EXPECT_EQ(edit("WidthEdit")->text(), QStringLiteral("7.0"));
    EXPECT_EQ(edit("LeftEdit")->text(), QStringLiteral("0.5"));
    ModalScript script;
    script.then([&](QWidget*) {
        typeInto(edit("WidthEdit"), QStringLiteral("2.555"));
        typeInto(edit("HeightEdit"), QStringLiteral("wide"));
        typeInto(edit("TopEdit"), QStringLiteral("1.25in"));
        click(child<QCheckBox>(&form, "ColorChk"));
        click(child<QPushButton>(&form, "OKBtn"));
    });
    EXPECT_EQ(form.run(), QDialog::Accepted);
    EXPECT_EQ(settings.widthInches, 2.555);
    EXPECT_EQ(settings.heightInches, 3.5);
    EXPECT_EQ(settings.leftInches, 0.5);
    EXPECT_EQ(settings.topInches, 1.25);
    EXPECT_TRUE(settings.inColor);

    // The next print shows the size as stored, in its shortest form.
    form.showSize();
    EXPECT_EQ(edit("WidthEdit")->text(), QStringLiteral("2.555"));
    EXPECT_EQ(edit("HeightEdit")->text(), QStringLiteral("3.5"));
}

TEST_F(OutputFormTest, restoredSizeFillsTheEditsAtStartUp)
{
    settings.widthInches = 9;
    settings.heightInches = 4.5;
    settings.inColor = true;
    form.restore();
    EXPECT_EQ(edit("WidthEdit")->text(), QStringLiteral("9"));
    EXPECT_EQ(edit("HeightEdit")->text(), QStringLiteral("4.5"));
    EXPECT_TRUE(child<QCheckBox>(&form, "ColorChk")->isChecked());
    // OK without touching the edits keeps the restored size.
    ModalScript script;
    script.then([&](QWidget*) { click(child<QPushButton>(&form, "OKBtn")); });
    form.run();
    EXPECT_EQ(settings.widthInches, 9);
    EXPECT_EQ(settings.heightInches, 4.5);
}

TEST_F(PrintTest, printsToAPdfFileThroughBothDialogsAndClearsTheOffsets)
{
    const QString pdf = dir.filePath(QStringLiteral("plot.pdf"));
    OutputActions& output = session.output();
    output.printer().setOutputFormat(QPrinter::PdfFormat);
    output.printer().setOutputFileName(pdf);
    ModalScript script;
    script
        .then([&](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Output"));
            EXPECT_TRUE(child<QLineEdit>(dialog, "LeftEdit")->isEnabled());
            EXPECT_EQ(child<QLineEdit>(dialog, "WidthEdit")->text(), QStringLiteral("7"));
            click(child<QPushButton>(dialog, "OKBtn"));
        })
        .thenOn(QPrintDialog::staticMetaObject, [&](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
    click(child<QPushButton>(page.get(), "PrtBtn"));
    const QByteArray bytes = readFile(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF")) << bytes.left(20).toStdString();
    EXPECT_EQ(print.leftInches, 0);
    EXPECT_EQ(print.topInches, 0);
}

TEST_F(PrintTest, exportsEveryTypeWithTheExtensionOfTheChosenType)
{
    const char* names[] = {"plot", "plot", "plot", "plot", "plot"}; // typed without an extension
    const char* suffixes[] = {".bmp", ".jpg", ".gif", ".png", ".pdf"};
    const char* readerFormats[] = {"bmp", "jpeg", "gif", "png", nullptr};
    for (int row = 0; row < 5; ++row) {
        const QString typed = dir.filePath(QString::number(row) + QLatin1String(names[row]));
        exportAs(row, typed);
        EXPECT_EQ(session.output().exportType(), row + 1);
        const QString written = typed + QLatin1String(suffixes[row]);
        ASSERT_TRUE(QFile::exists(written)) << written.toStdString();
        if (readerFormats[row]) {
            QImageReader reader(written);
            EXPECT_EQ(reader.format(), QByteArray(readerFormats[row]));
            EXPECT_EQ(reader.size(), QSize(700, 350)); // 7 x 3.5 inches at 100 pixels per inch
        } else {
            EXPECT_TRUE(readFile(written).startsWith("%PDF"));
        }
    }
    EXPECT_EQ(print.leftInches, 0);
    EXPECT_EQ(print.topInches, 0);
}

TEST_F(PrintTest, aTypedKnownExtensionDecidesTheFormat_andTheNameBoxHoldsOnlyTheLastName)
{
    const QString typed = dir.filePath(QStringLiteral("plot.jpg"));
    exportAs(2, typed); // GIF chosen in the list, ".jpg" typed
    EXPECT_EQ(QImageReader(typed).format(), QByteArray("jpeg"));
    EXPECT_FALSE(QFile::exists(typed + QLatin1String(".gif")));
    const QString upper = dir.filePath(QStringLiteral("plot.PNG"));
    exportAs(0, upper);
    EXPECT_EQ(QImageReader(upper).format(), QByteArray("png"));

    ModalScript script;
    script.thenFileDialog([&](QWidget* dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), QStringLiteral("plot.PNG"));
        qobject_cast<QDialog*>(dialog)->reject();
    });
    click(child<QPushButton>(page.get(), "ExportBtn"));
}

TEST_F(PrintTest, restoredExportTypeChoosesTheListEntryAndTheExtension)
{
    session.output().setExportType(4);
    EXPECT_EQ(session.output().exportType(), 4);
    auto* dialog = child<QFileDialog>(&dialogHost, "ExportDialog1");
    EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("PNG (*.png)"));
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("png"));
    session.output().setExportType(9); // unknown: Bitmap
    EXPECT_EQ(session.output().exportType(), 1);
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("bmp"));
}

TEST_F(PrintTest, aSizeThatCannotBeExportedOrPrintedIsRefused)
{
    const QString path = dir.filePath(QStringLiteral("zero.png"));
    ModalScript refusal;
    refusal.thenMessage([](QWidget* box) {
        EXPECT_TRUE(messageText(box).startsWith(QStringLiteral("The plot cannot be exported at 0 x 3.5 inches")))
            << messageText(box).toStdString();
        acceptMessage(box);
    });
    exportAs(3, path, QStringLiteral("0"));
    EXPECT_FALSE(QFile::exists(path));

    // The stored width is now 0: a print refuses it before asking for the printer.
    ModalScript print;
    print.thenOn(OutputDialog::staticMetaObject, [](QWidget* dialog) { click(child<QPushButton>(dialog, "OKBtn")); })
        .thenMessage([](QWidget* box) {
            EXPECT_TRUE(messageText(box).startsWith(QStringLiteral("The plot cannot be printed at 0 x 3.5 inches")));
            acceptMessage(box);
        });
    click(child<QPushButton>(page.get(), "PrtBtn"));
}

TEST_F(PrintTest, theMouseKeepsTheScreenLayoutAfterAnExportOrPrint)
{
    const PlotLayout screen = box()->plotLayout();
    exportAs(3, dir.filePath(QStringLiteral("wide.png")), QStringLiteral("20"));
    print.widthInches = 9;
    OutputActions& output = session.output();
    output.printer().setOutputFormat(QPrinter::PdfFormat);
    output.printer().setOutputFileName(dir.filePath(QStringLiteral("print.pdf")));
    ModalScript script;
    script.then([](QWidget* dialog) { click(child<QPushButton>(dialog, "OKBtn")); })
        .thenOn(QPrintDialog::staticMetaObject, [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
    click(child<QPushButton>(page.get(), "PrtBtn"));

    EXPECT_EQ(box()->plotLayout(), screen);
    setMode(PlotBox::Peak);
    press(at(47, 94));
    EXPECT_EQ(set().altitude.series.tag(47), 1);
}

TEST_F(PrintTest, cancellingEitherExportDialogWritesNothing)
{
    ModalScript atFile;
    atFile.thenFileDialog([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    click(child<QPushButton>(page.get(), "ExportBtn"));

    const QString path = dir.filePath(QStringLiteral("never.bmp"));
    ModalScript atSize;
    atSize.thenFileDialog([&](QWidget* dialog) { chooseFiles(dialog, {path}); })
        .thenOn(OutputDialog::staticMetaObject,
                [](QWidget* dialog) { click(child<QPushButton>(dialog, "CancelBtn")); });
    click(child<QPushButton>(page.get(), "ExportBtn"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(print.leftInches, 0);
}

TEST_F(PrintTest, cancellingEitherPrintDialogPrintsNothingAndClearsTheOffsets)
{
    const QString pdf = dir.filePath(QStringLiteral("never.pdf"));
    session.output().printer().setOutputFormat(QPrinter::PdfFormat);
    session.output().printer().setOutputFileName(pdf);
    ModalScript atSize;
    atSize.then([](QWidget* dialog) { click(child<QPushButton>(dialog, "CancelBtn")); });
    click(child<QPushButton>(page.get(), "PrtBtn"));

    ModalScript atPrinter;
    atPrinter
        .then([](QWidget* dialog) {
            typeInto(child<QLineEdit>(dialog, "LeftEdit"), QStringLiteral("1.5"));
            click(child<QPushButton>(dialog, "OKBtn"));
        })
        .thenOn(QPrintDialog::staticMetaObject, [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    click(child<QPushButton>(page.get(), "PrtBtn"));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(print.leftInches, 0);
}
