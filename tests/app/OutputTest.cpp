#include "PageFixture.h"

#include "ModalScript.h"
#include "app/OutputActions.h"
#include "app/PrtLocForm.h"
#include "plot/PrintSettings.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QFile>
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
    TPrtLocForm form{settings};

    QLineEdit* edit(const char* name) { return child<QLineEdit>(&form, name); }
};

struct PrintTest : PageFixture {
    QTemporaryDir dir;
    void TearDown() override { printSettings() = PrintSettings{}; }
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

TEST_F(OutputFormTest, restoredSizeFillsTheEditsAtStartUp_mendedFault)
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
    OutputActions& output = page->output();
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
        .thenOn(QPrintDialog::staticMetaObject, [&](QWidget* dialog) {
            qobject_cast<QDialog*>(dialog)->accept();
        });
    click(child<QPushButton>(page.get(), "PrtBtn"));
    const QByteArray bytes = readFile(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF")) << bytes.left(20).toStdString();
    EXPECT_EQ(printSettings().leftInches, 0);
    EXPECT_EQ(printSettings().topInches, 0);
}
