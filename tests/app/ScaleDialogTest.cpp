#include "app/dialogs/ScaleDialog.h"

#include "ModalScript.h"
#include "data/Plot.h"
#include "plot/ScaleDialogRules.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

struct ScaleFormTest : ::testing::Test {
    Plot plot;
    ScaleDialog form{plot};

    QLineEdit* edit(const char* name) { return child<QLineEdit>(&form, name); }
    QPushButton* button(const char* name) { return child<QPushButton>(&form, name); }

    void SetUp() override
    {
        DataSet& set = plot.signals.createDataSet(); // 0..20 ramp, then 0..87 in altitude
        set.clearSamples();
        set.altitude.series.append(3, 0);
        set.altitude.series.append(40, 87);
    }
};

} // namespace

TEST_F(ScaleFormTest, okTakesTheTypedRangeAsViewAndHome)
{
    plot.setRange({0, 0.1, 0, 20});
    ModalScript script;
    script.then([&](QWidget*) {
        EXPECT_EQ(edit("XMaxEdit")->text(), QStringLiteral("0.1"));
        EXPECT_EQ(edit("YMaxEdit")->text(), QStringLiteral("20"));
        typeInto(edit("XMinEdit"), QStringLiteral("5"));
        typeInto(edit("XMaxEdit"), QStringLiteral("65.5"));
        typeInto(edit("YMinEdit"), QStringLiteral("not a number")); // keeps 0
        typeInto(edit("YMaxEdit"), QStringLiteral("300"));
        click(button("OkBtn"));
    });
    QSignalSpy changed(&form, &ScaleDialog::plotChanged);
    EXPECT_EQ(form.run(), QDialog::Accepted);
    EXPECT_EQ(plot.range(), (PlotRange{5, 65.5, 0, 300}));
    EXPECT_EQ(plot.homeRange, plot.range());
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(ScaleFormTest, autoRescalesAtOnceAndCancelKeepsIt)
{
    ModalScript script;
    script.then([&](QWidget*) {
        click(button("AutoBtn"));
        EXPECT_EQ(edit("XMinEdit")->text(), QStringLiteral("0")); // "0", not the computed minimum
        EXPECT_EQ(edit("XMaxEdit")->text(), QStringLiteral("50"));
        EXPECT_EQ(edit("YMaxEdit")->text(), QStringLiteral("90"));
        click(button("CancelBtn"));
    });
    EXPECT_EQ(form.run(), QDialog::Rejected);
    EXPECT_EQ(plot.range(), (PlotRange{0, 50, 0, 90}));
    EXPECT_EQ(plot.homeRange, plot.range());
}

TEST_F(ScaleFormTest, refusesAReversedOrEndlessRangeAndStaysOpen)
{
    plot.setRange({0, 20, 0, 20});
    ModalScript script;
    script
        .then([&](QWidget*) {
            typeInto(edit("XMinEdit"), QStringLiteral("30"));
            click(button("OkBtn"));
        })
        .thenMessage([&](QWidget* box) {
            EXPECT_EQ(messageText(box), QStringLiteral("Time Min must be less than Time Max."));
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
            acceptMessage(box);
        })
        .thenOn(ScaleDialog::staticMetaObject,
                [&](QWidget* dialog) {
                    EXPECT_EQ(dialog, &form); // still open
                    EXPECT_EQ(plot.range(), (PlotRange{0, 20, 0, 20}));
                    typeInto(edit("XMinEdit"), QStringLiteral("0"));
                    typeInto(edit("YMinEdit"), QStringLiteral("-1e308"));
                    typeInto(edit("YMaxEdit"), QStringLiteral("1e308"));
                    click(button("OkBtn"));
                })
        .thenMessage([&](QWidget* box) {
            EXPECT_EQ(messageText(box), QStringLiteral("Altitude range is too large."));
            acceptMessage(box);
        })
        .thenOn(ScaleDialog::staticMetaObject, [&](QWidget*) { click(button("CancelBtn")); });
    EXPECT_EQ(form.run(), QDialog::Rejected);
    EXPECT_EQ(plot.range(), (PlotRange{0, 20, 0, 20}));
    EXPECT_EQ(plot.homeRange, PlotRange{});
}
