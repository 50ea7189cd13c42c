#include "app/dialogs/PlotInfoDialog.h"

#include "ModalScript.h"
#include "app/plotview/ColourPanel.h"
#include "data/Plot.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

struct EditInfoFormTest : ::testing::Test {
    Plot plot;
    PlotInfoDialog form{plot};
    QSignalSpy changed{&form, &PlotInfoDialog::plotChanged};

    template <typename T>
    T* get(const char* name)
    {
        return child<T>(&form, name);
    }

    // Clicks a colour panel and confirms `colour` in its colour dialog.
    void pickColour(const char* panel, const QColor& colour, ModalScript& script)
    {
        script.thenOn(QColorDialog::staticMetaObject, [colour](QWidget* dialog) {
            auto* colours = qobject_cast<QColorDialog*>(dialog);
            ASSERT_NE(colours, nullptr);
            colours->setCurrentColor(colour);
            colours->accept();
        });
        click(get<ColourPanel>(panel));
    }
};

} // namespace

TEST_F(EditInfoFormTest, colourPicksActAtOnceAndCancelPutsThemBack)
{
    ModalScript script;
    script.then([&](QWidget*) {
        EXPECT_EQ(get<ColourPanel>("BGColorPanel")->colour(), 0xFFFFFFu);
        pickColour("BGColorPanel", QColor(0x10, 0x20, 0x30), script);
        EXPECT_EQ(plot.backgroundColor, 0x302010u); // shown while the dialog is open
        EXPECT_GE(changed.count(), 1);
        pickColour("InfoColorPanel", Qt::green, script);
        EXPECT_EQ(plot.infoColor, 0x00FF00u);
        // A cancelled colour dialog changes nothing.
        script.thenOn(QColorDialog::staticMetaObject,
                      [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
        click(get<ColourPanel>("GridColorPanel"));
        EXPECT_EQ(plot.gridColor, 0x808080u);
        click(get<QPushButton>("CancelBtn"));
    });
    EXPECT_EQ(form.run(), QDialog::Rejected);
    EXPECT_EQ(plot.backgroundColor, 0xFFFFFFu);
    EXPECT_EQ(plot.infoColor, 0x0000FFu);
}

TEST_F(EditInfoFormTest, switchesActAtOnceAndStayAfterCancel)
{
    ModalScript script;
    script.then([&](QWidget*) {
        EXPECT_TRUE(get<QCheckBox>("ShowInfoChk")->isChecked());
        EXPECT_FALSE(get<QCheckBox>("ShowROCChk")->isVisibleTo(&form));
        EXPECT_FALSE(get<QPushButton>("DataLenBtn")->isVisibleTo(&form));
        click(get<QCheckBox>("ShowInfoChk"));
        EXPECT_FALSE(plot.showInfo);
        click(get<QCheckBox>("ShowBackgroundChk"));
        EXPECT_TRUE(plot.showBackground);
        typeInto(get<QLineEdit>("TitleText"), QStringLiteral("not taken"));
        click(get<QPushButton>("CancelBtn"));
    });
    form.run();
    EXPECT_FALSE(plot.showInfo);
    EXPECT_TRUE(plot.showBackground);
    EXPECT_EQ(plot.title, QStringLiteral("Altitude versus Time"));
}

TEST_F(EditInfoFormTest, okTakesTheTextsCutToTheirField)
{
    const QString longTitle = QString(300, QLatin1Char('T'));
    ModalScript script;
    script.then([&](QWidget*) {
        EXPECT_EQ(get<QLineEdit>("XAxisText")->text(), QStringLiteral("Time (sec)"));
        get<QLineEdit>("TitleText")->setText(longTitle);
        typeInto(get<QLineEdit>("YAxisText"), QStringLiteral("Altitude (meters)"));
        typeInto(get<QLineEdit>("Info3Text"), QStringLiteral("Field 3, max=120"));
        click(get<QPushButton>("OKBtn"));
    });
    EXPECT_EQ(form.run(), QDialog::Accepted);
    EXPECT_EQ(plot.title, longTitle.left(255));
    EXPECT_EQ(plot.yLabel, QStringLiteral("Altitude (meters)"));
    EXPECT_EQ(plot.info3, QStringLiteral("Field 3, max=120"));
}

TEST_F(EditInfoFormTest, theSwitchesShowThePlotsFlagsEachTimeTheDialogOpens)
{
    for (const bool on : {false, true}) {
        plot.showInfo = !on;
        plot.showBackground = on;
        plot.showAvgClimb = on;
        ModalScript script;
        script.then([&](QWidget*) {
            EXPECT_EQ(get<QCheckBox>("ShowInfoChk")->isChecked(), !on);
            EXPECT_EQ(get<QCheckBox>("ShowBackgroundChk")->isChecked(), on);
            EXPECT_EQ(get<QCheckBox>("ShowROCChk")->isChecked(), on);
            click(get<QPushButton>("CancelBtn"));
        });
        form.run();
    }
}
