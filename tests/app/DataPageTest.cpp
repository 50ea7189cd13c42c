#include "PageFixture.h"

#include "ModalScript.h"
#include "plot/DataEditor.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace vimo;
using namespace vimo::test;

namespace {

struct DataPageTest : PageFixture {
    void clickButton(const char* name) { click(child<QAbstractButton>(page.get(), name)); }
    QString stats() { return child<QLabel>(page.get(), "StatsDisp")->text(); }
    void key(int k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(box(), Qt::Key(k), m); }
};

} // namespace

TEST_F(DataPageTest, zoomPanAndResetButtons)
{
    plot.setRange({0, 15, 0, 100});
    clickButton("ZoomInBtn");
    EXPECT_EQ(plot.range(), (PlotRange{2.5, 12.5, 25, 75}));
    clickButton("ZoomOutBtn");
    EXPECT_EQ(plot.range(), (PlotRange{-2.5, 17.5, 0, 100}));
    clickButton("PanRtBtn");
    EXPECT_EQ(plot.range(), (PlotRange{1.5, 21.5, 0, 100}));
    clickButton("PanLtBtn");
    clickButton("PanUpBtn");
    EXPECT_EQ(plot.range(), (PlotRange{-2.5, 17.5, 20, 120}));
    clickButton("PanDnBtn");
    EXPECT_EQ(plot.range(), (PlotRange{-2.5, 17.5, 0, 100}));
    clickButton("ZoomResetBtn");
    EXPECT_EQ(plot.range(), (PlotRange{0, 100, 0, 200}));
}

TEST_F(DataPageTest, everyPlotKeyActsAndIsConsumedOthersAreNot)
{
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        PlotRange expected;
    } cases[] = {
        {Qt::Key_Left, Qt::ControlModifier, {0, 200, 0, 200}},
        {Qt::Key_Right, Qt::ControlModifier, {0, 50, 0, 200}},
        {Qt::Key_Up, Qt::ControlModifier, {0, 100, 0, 100}},
        {Qt::Key_Down, Qt::ControlModifier, {0, 100, 0, 400}},
        {Qt::Key_Left, Qt::ShiftModifier, {-10, 90, 0, 200}},
        {Qt::Key_Right, Qt::ShiftModifier, {10, 110, 0, 200}},
        {Qt::Key_Up, Qt::ShiftModifier, {0, 100, 20, 220}},
        {Qt::Key_Down, Qt::ShiftModifier, {0, 100, -20, 180}},
        {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, {0, 50, 0, 200}}, // Ctrl wins
        {Qt::Key_Home, Qt::AltModifier, {0, 20, 0, 20}},                           // not the home range
    };
    for (const auto& c : cases) {
        plot.setRange({0, 100, 0, 200});
        key(c.key, c.mods);
        EXPECT_EQ(plot.range(), c.expected) << c.key << " " << int(c.mods);
    }
    // An arrow without Ctrl or Shift is no plot key: it reaches the focused control, the view stays.
    plot.setRange({0, 100, 0, 200});
    QWidget* combo = child<QComboBox>(page.get(), "ActiveSetCombo");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Left);
    EXPECT_EQ(plot.range(), (PlotRange{0, 100, 0, 200}));
    // The plot keys act whichever control of the page has the focus.
    QTest::keyClick(combo, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(plot.range(), (PlotRange{0, 100, 20, 220}));
}

TEST_F(DataPageTest, cropCutsToTheViewAndCtrlZBringsItBack)
{
    DataSet& s = set();
    s.trigger.series.append(10, 20);
    s.trigger.series.append(40, 80);
    plot.setRange({30, 60, 0, 200});
    clickButton("ZoomCropBtn");
    EXPECT_EQ(s.altitude.series.count(), 31);
    EXPECT_EQ(s.altitude.series.altitude(0), 60);
    ASSERT_EQ(s.trigger.series.count(), 1);
    EXPECT_EQ(s.trigger.series.time(0), 10);
    EXPECT_EQ(plot.range(), (PlotRange{0, 40, 60, 130}));

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s.altitude.series.count(), 101);
    EXPECT_EQ(s.trigger.series.count(), 2);
    EXPECT_EQ(plot.range(), (PlotRange{30, 60, 0, 200}));
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(s.altitude.series.count(), 31);
}

TEST_F(DataPageTest, undoAndRedoOfPeakTagsAndRateMarksThroughTheKeys)
{
    setMode(PlotBox::Peak);
    press(at(20, 40));
    setMode(PlotBox::Climb);
    drag(at(20, 40), at(60, 120));
    EXPECT_EQ(set().altitude.series.tag(20), 1);
    EXPECT_EQ(set().rateMarkCount(), 1);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(set().rateMarkCount(), 0);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(set().altitude.series.tag(20), 0);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(set().altitude.series.tag(20), 1);
    EXPECT_EQ(set().rateMarkCount(), 0);
}

TEST_F(DataPageTest, statisticsFollowEveryZoomAndPan)
{
    EXPECT_EQ(stats(), QStringLiteral("Low 0.0  High 200.0  Span 100.0 s  Avg Climb 2.000 units/sec"));
    plot.setRange({0, 40, 0, 200});
    clickButton("ZoomInBtn"); // 10..30
    EXPECT_EQ(stats(), QStringLiteral("Low 20.0  High 60.0  Span 20.0 s  Avg Climb 2.000 units/sec"));
    clickButton("PanRtBtn"); // 14..34
    EXPECT_EQ(stats(), QStringLiteral("Low 28.0  High 68.0  Span 20.0 s  Avg Climb 2.000 units/sec"));
    key(Qt::Key_Left, Qt::ShiftModifier); // 12..32
    EXPECT_EQ(stats(), QStringLiteral("Low 24.0  High 64.0  Span 20.0 s  Avg Climb 2.000 units/sec"));
    plot.setRange({200, 300, 0, 10});
    session.notifyChanged();
    EXPECT_EQ(stats(), QStringLiteral("No samples in view"));
}

TEST_F(DataPageTest, activeDataSetFollowsNewAndDeletedDataSets)
{
    auto* combo = child<QComboBox>(page.get(), "ActiveSetCombo");
    plot.signals.createDataSet();
    plot.signals.createDataSet();
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(box()->activeSet(), 2);
    combo->setCurrentIndex(1);
    plot.signals.deleteDataSet(1); // the active one: the first becomes active
    EXPECT_EQ(combo->currentIndex(), 0);
    combo->setCurrentIndex(1);
    plot.signals.deleteDataSet(0); // another one: the active data set stays active
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Data002"));
    plot.signals.deleteDataSet(0);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(stats(), QStringLiteral("No data set"));
}

TEST_F(DataPageTest, scaleButtonOpensTheGraphScaleDialog)
{
    ModalScript script;
    script.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Graph Scale"));
        typeInto(child<QWidget>(dialog, "XMaxEdit"), QStringLiteral("50"));
        click(child<QPushButton>(dialog, "OkBtn"));
    });
    clickButton("ScaleBtn");
    EXPECT_EQ(plot.range(), (PlotRange{0, 50, 0, 200}));
    EXPECT_EQ(stats(), QStringLiteral("Low 0.0  High 100.0  Span 50.0 s  Avg Climb 2.000 units/sec"));
}

TEST_F(DataPageTest, anExchangeDisablesWhatItWorksOnAndUndo)
{
    session.setExchangeRunning(true);
    for (const char* name : {"LoadBtn", "DataPropBtn", "ZoomCropBtn", "ScaleBtn"})
        EXPECT_FALSE(child<QWidget>(page.get(), name)->isEnabled()) << name;
    setMode(PlotBox::Peak);
    press(at(20, 40));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(set().altitude.series.tag(20), 1);
    session.setExchangeRunning(false);
    EXPECT_TRUE(child<QWidget>(page.get(), "LoadBtn")->isEnabled());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(set().altitude.series.tag(20), 0);
}
