#include "app/dialogs/DataPropertiesDialog.h"

#include "ModalScript.h"
#include "app/plotview/ColourPanel.h"
#include "app/plotview/StyleComboDelegate.h"
#include "data/Plot.h"
#include "plot/DataEditor.h"
#include "support/TestFiles.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <gtest/gtest.h>
#include <system_error>

using namespace vimo;
using namespace vimo::test;

namespace {

struct DataPropFormTest : ::testing::Test {
    Plot plot;
    DataEditor editor{plot};
    DataPropertiesDialog form{plot, editor};
    QStringList opened;

    void SetUp() override
    {
        form.setFileOpener([this](const QString& path) { opened << path; });
    }

    // A data set of `n` samples one second apart (altitude = base + i) with a trigger at 2 s.
    DataSet& addSet(int n, double base = 0)
    {
        DataSet& set = plot.signals.createDataSet();
        set.clearSamples();
        for (int i = 0; i < n; ++i)
            set.altitude.series.append(i, base + i);
        set.trigger.series.append(2, base + 2);
        return set;
    }

    template <typename T>
    T* get(const char* name)
    {
        return child<T>(&form, name);
    }
    QLineEdit* edit(const char* name) { return get<QLineEdit>(name); }
    void press(const char* button) { click(get<QPushButton>(button)); }

    void clickRow(int row)
    {
        auto* list = get<QListView>("SetListBox");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(plot.signals.index(row)).center());
    }

    // Runs the dialog; `steps` act while it is open, then OK closes it.
    void withDialog(const std::function<void()>& steps)
    {
        ModalScript script;
        script.then([&](QWidget*) {
            steps();
            press("OKBtn");
        });
        form.run();
    }
};

} // namespace

TEST_F(DataPropFormTest, openingShowsTheFirstDataSetAndARowClickAnother)
{
    addSet(5).notes[0] = QStringLiteral("first flight");
    DataSet& second = addSet(5);
    second.trigger.visible = false;
    second.altitude.pointStyle = kPointDiamond;
    withDialog([&] {
        EXPECT_EQ(form.selectedRow(), 0);
        EXPECT_EQ(edit("SignalDisplayNameEdit")->text(), QStringLiteral("Data000"));
        EXPECT_EQ(edit("XOffsetEdit")->text(), QStringLiteral("0.000000"));
        EXPECT_EQ(edit("YScaleEdit")->text(), QStringLiteral("1.000000"));
        EXPECT_FALSE(edit("XScaleEdit")->isVisibleTo(&form));
        EXPECT_EQ(edit("Note1Edit")->text(), QStringLiteral("first flight"));
        EXPECT_EQ(get<ColourPanel>("Line_Clr")->colour(), 0xFF0000u);
        EXPECT_TRUE(get<QPushButton>("PhotoBtn")->isVisible());

        clickRow(1);
        EXPECT_EQ(form.selectedRow(), 1);
        EXPECT_EQ(edit("SignalDisplayNameEdit")->text(), QStringLiteral("Data001"));
        EXPECT_EQ(get<StyleCombo>("PointStyleCombo")->currentIndex(), int(kPointDiamond));
        EXPECT_EQ(get<ColourPanel>("Line_Clr")->colour(), 0x0000FFu);
        EXPECT_FALSE(get<QPushButton>("PhotoBtn")->isVisible()); // no trigger data
    });
}

TEST_F(DataPropFormTest, applyShiftsOnceAndWritesTheControls)
{
    DataSet& set = addSet(5);
    withDialog([&] {
        typeInto(edit("XOffsetEdit"), QStringLiteral("5"));
        typeInto(edit("SignalDisplayNameEdit"), QStringLiteral("Morning"));
        get<StyleCombo>("LineStyleCombo")->setCurrentIndex(kLineDash);
        ModalScript colours;
        colours.thenOn(QColorDialog::staticMetaObject, [](QWidget* dialog) {
            qobject_cast<QColorDialog*>(dialog)->setCurrentColor(QColor(0x11, 0x22, 0x33));
            qobject_cast<QDialog*>(dialog)->accept();
        });
        click(get<ColourPanel>("Trig_Clr"));
        EXPECT_EQ(set.trigger.pointColor, 0xFF0000u); // nothing written before Apply
        press("ApplyBtn");
        EXPECT_EQ(set.altitude.series.time(0), 5);
        EXPECT_EQ(set.trigger.series.time(0), 7);
        EXPECT_EQ(edit("XOffsetEdit")->text(), QStringLiteral("0.000000"));
        typeInto(edit("SignalDisplayNameEdit"), QStringLiteral("Morning")); // a second Apply only to rename
        press("ApplyBtn");
        EXPECT_EQ(set.altitude.series.time(0), 5);
        EXPECT_EQ(set.trigger.series.time(0), 7);
    });
    EXPECT_EQ(set.name(), QStringLiteral("Morning"));
    EXPECT_EQ(plot.signals.data(plot.signals.index(0)).toString(), QStringLiteral("Morning"));
    EXPECT_EQ(set.altitude.lineStyle, kLineDash);
    EXPECT_EQ(set.trigger.pointColor, 0x332211u);
    EXPECT_EQ(set.altitude.timeOffset, 0); // the offsets shift the samples, not the display
    editor.undo();
    editor.undo();
    EXPECT_EQ(set.altitude.series.time(0), 0);
    EXPECT_EQ(set.name(), QStringLiteral("Data000"));
}

TEST_F(DataPropFormTest, enterInATextBoxAppliesAndKeepsTheDialogOpen)
{
    DataSet& set = addSet(5);
    withDialog([&] {
        QLineEdit* offset = edit("YOffsetEdit");
        typeInto(offset, QStringLiteral("100"));
        QTest::keyClick(offset, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(set.altitude.series.altitude(0), 100);
        EXPECT_EQ(offset->text(), QStringLiteral("0.000000"));
    });
}

TEST_F(DataPropFormTest, opensOnTheGivenActiveDataSet)
{
    addSet(5);
    addSet(5);
    ModalScript script;
    script.then([&](QWidget*) {
        EXPECT_EQ(form.selectedRow(), 1);
        EXPECT_EQ(edit("SignalDisplayNameEdit")->text(), QStringLiteral("Data001"));
        press("OKBtn");
    });
    form.run(1);
}

TEST_F(DataPropFormTest, anUnknownStyleShowsNoRowAndApplyKeepsIt)
{
    DataSet& set = addSet(5);
    set.altitude.pointStyle = 42; // as read from a file
    withDialog([&] {
        EXPECT_EQ(get<StyleCombo>("PointStyleCombo")->currentIndex(), -1);
        press("ApplyBtn");
    });
    EXPECT_EQ(set.altitude.pointStyle, 42);
}

TEST_F(DataPropFormTest, deleteRemovesTheSelectedSetAndShowsTheFirstUndoBringsItBack)
{
    addSet(5);
    DataSet* second = &addSet(6);
    addSet(7);
    withDialog([&] {
        clickRow(1);
        press("DelSetBtn");
        EXPECT_EQ(plot.signals.size(), 2);
        EXPECT_EQ(form.selectedRow(), 0);
        EXPECT_EQ(edit("SignalDisplayNameEdit")->text(), QStringLiteral("Data000"));
    });
    editor.undo();
    EXPECT_EQ(&plot.signals.at(1), second);
}

TEST_F(DataPropFormTest, fixDriftLevelsTheEndsAndTooFewSamplesSaysWhy)
{
    DataSet& set = addSet(100, 20);
    set.altitude.series.setAltitude(2, 5);
    set.altitude.series.setAltitude(95, 9);
    addSet(9);
    plot.info3 = QStringLiteral("Field, max=1");
    withDialog([&] {
        press("DriftBtn");
        EXPECT_EQ(set.altitude.series.altitude(0), 5);
        EXPECT_DOUBLE_EQ(set.altitude.series.altitude(95), 5);

        clickRow(1);
        ModalScript message;
        message.thenMessage([](QWidget* box) {
            EXPECT_EQ(messageText(box), QStringLiteral("Fix Drift needs a data set of at least 10 samples."));
            acceptMessage(box);
        });
        press("DriftBtn");
    });
    EXPECT_EQ(plot.signals.at(1).altitude.series.altitude(8), 8); // unchanged
    EXPECT_TRUE(plot.info3.startsWith(QStringLiteral("Field, max=")));
    EXPECT_EQ(editor.stack().count(), 1);
}

TEST_F(DataPropFormTest, fixOffsetLowersToZeroAndShowsTheNewMaximumInNote3)
{
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    set.altitude.series.append(0, 10);
    set.altitude.series.append(1, 12);
    set.altitude.series.append(2, 11);
    set.trigger.series.append(1, 12);
    set.notes[2] = QStringLiteral("Flight 1 max=12");
    withDialog([&] {
        press("OffsetBtn");
        EXPECT_EQ(edit("Note3Edit")->text(), QStringLiteral("Flight 1 max=2"));
        press("ApplyBtn"); // keeps the rewritten note
    });
    EXPECT_EQ(set.altitude.series.altitudes(), (std::vector<double>{0, 2, 1}));
    EXPECT_EQ(set.trigger.series.altitude(0), 2);
    EXPECT_EQ(set.notes[2], QStringLiteral("Flight 1 max=2"));
}

TEST_F(DataPropFormTest, exportPhotoInfoWritesTheTriggerListAndOpensIt)
{
    addSet(5);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photos"));
    withDialog([&] {
        ModalScript save;
        save.thenFileDialog([&](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Export Photo Info"));
            chooseFiles(dialog, {path});
        });
        press("PhotoBtn");
    });
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("photos.txt")));
    const QByteArray bytes = readFile(opened[0]);
    EXPECT_TRUE(bytes.startsWith("#Altitude versus Time\r\n"));
    EXPECT_TRUE(bytes.endsWith("# pic    time   altitude\r\n    1,      2,      2\r\n"));
}

TEST_F(DataPropFormTest, photoListThatCannotBeWrittenSaysSo)
{
    addSet(5);
    // A folder that is a file: nothing can be written below it, not even by root.
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("blocker")), "x");
    const QString path = dir.filePath(QStringLiteral("blocker/photos.txt"));
    withDialog([&] {
        ModalScript steps;
        steps.thenFileDialog([&](QWidget* dialog) { chooseFiles(dialog, {path}); }).thenMessage([&](QWidget* box) {
            EXPECT_EQ(messageText(box),
                      QStringLiteral("Unable to open %1!\n\n%2")
                          .arg(path, QString::fromStdString(std::system_category().message(ENOTDIR))));
            acceptMessage(box);
        });
        press("PhotoBtn");
    });
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(DataPropFormTest, withoutDataSetsTheFieldsAreEmptyAndTheButtonsDoNothing)
{
    withDialog([&] {
        EXPECT_EQ(form.selectedRow(), -1);
        EXPECT_TRUE(edit("SignalDisplayNameEdit")->text().isEmpty());
        for (const char* b : {"ApplyBtn", "DelSetBtn", "DriftBtn", "OffsetBtn"})
            press(b);
    });
    EXPECT_EQ(editor.stack().count(), 0);
}
