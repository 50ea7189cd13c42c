#include "RenderFixture.h"
#include "analysis/FlightAnalysis.h"
#include "plot/LaunchEndDrag.h"
#include "plot/PaintColour.h"
#include "plot/PlotLayout.h"

#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

// One F5J flight in metres: motor climb from 30 s to 50 s to about 200 m, a glide, a thermal, a landing at 0.
struct OverlayFixture : ::testing::Test {
    Plot plot;
    FlightReport report;

    void SetUp() override
    {
        FlightPathBuilder path(0);
        path.stay(30).motorLaunch(10, 20).glide(0.8, 40).thermal(1.5, 60).glide(1.0, 60).landAt(0, 1.0).stay(40);
        const SyntheticRecording r = path.sample(0.5, 0.3, 1);
        DataSet& set = plot.signals.createDataSet();
        set.clearSamples();
        for (std::size_t i = 0; i < r.times.size(); ++i)
            set.altitude.series.append(r.times[i], r.altitudes[i]);
        plot.yLabel = QStringLiteral("Altitude (meters)");
        plot.setRange({0, 500, 0, 400});
        report = analyseFlights(set.altitude, plot.yLabel);
        ASSERT_EQ(report.flights.size(), 1u);
    }

    // Pixels of the second quarter of the data area's height (below the start height's label, above the curves)
    // between times from and to that differ between two renderings.
    static int changedNearTop(const Rendering& a, const Rendering& b, const Plot& plot, double from, double to)
    {
        const PixelMapper map(plot, a.layout);
        const QRect area(a.layout.plotLeft + map.timeToPixel(from) + 2, a.layout.plotTop + a.layout.plotHeight() / 4,
                         map.timeToPixel(to) - map.timeToPixel(from) - 4, a.layout.plotHeight() / 4);
        return differingPixels(a.image.copy(area), b.image.copy(area));
    }
};

} // namespace

TEST_F(OverlayFixture, marksAreDrawnOnlyWhenAskedForAndTheBandCoversTheStartHeightWindow)
{
    const PrintSettings page = pageOf(7, 3.5);
    const Rendering plain = renderOnImage(plot, 100, page);
    RenderOptions withFlights;
    withFlights.flights = &report;
    const Rendering marked = renderOnImage(plot, 100, page, withFlights);
    EXPECT_GT(differingPixels(plain.image, marked.image), 0);

    const Flight& f = report.flights[0];
    EXPECT_GT(changedNearTop(plain, marked, plot, f.launch, *f.windowEnd), 0);
    EXPECT_EQ(changedNearTop(plain, marked, plot, *f.windowEnd + 10, *f.windowEnd + 60), 0)
        << "the band stops at the window";

    RenderOptions noFlights; // prints and exports leave them out
    EXPECT_EQ(differingPixels(plain.image, renderOnImage(plot, 100, page, noFlights).image), 0);
}

// The bounding box of the pixels in the start height's colour, or an empty one.
QRect labelInk(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xC85000u)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(OverlayFixture, startHeightLabel_sitsBesideItsBandClearOfTheCurves_andLeavesWithTheBand)
{
    RenderOptions withFlights;
    withFlights.flights = &report;
    const PrintSettings page = pageOf(7, 3.5);
    const Rendering marked = renderOnImage(plot, 100, page, withFlights);
    const Rendering plain = renderOnImage(plot, 100, page);
    const PixelMapper map(plot, marked.layout);
    const Flight& f = report.flights[0];
    const int bandLeft = marked.layout.plotLeft + map.timeToPixel(f.launch);
    const int bandRight = marked.layout.plotLeft + map.timeToPixel(*f.windowEnd);

    // The label, and the highest point's dot inside the band: together they reach from the band to just past it.
    const QRect ink = labelInk(marked.image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), bandLeft);
    EXPECT_LT(ink.right(), bandRight + 100) << "beside the band";
    const QRect label = QRect(QPoint(bandRight + 1, ink.top()), ink.bottomRight()).intersected(ink);
    const QRgb curve = paintColour(plot.signals.at(0).altitude.lineColor).rgb();
    EXPECT_EQ(countColour(plain.image, label.adjusted(-1, -1, 1, 1), curve), 0) << "no curve under the label";

    // Panned so that the band lies left of the view: neither the label nor the dot stays behind in a corner.
    plot.setRange({*f.windowEnd + 5, 500, 0, 400});
    EXPECT_TRUE(labelInk(renderOnImage(plot, 100, page, withFlights).image).isEmpty());
}

TEST_F(OverlayFixture, inBlackAndWhiteTheBandIsGrey)
{
    RenderOptions withFlights;
    withFlights.flights = &report;
    const Rendering r = renderOnImage(plot, 100, pageOf(7, 3.5, false), withFlights);
    const PixelMapper map(plot, r.layout);
    const Flight& f = report.flights[0];
    const QRgb inBand = r.image.pixel(r.layout.plotLeft + map.timeToPixel(f.launch + 3), r.layout.plotTop + 3);
    EXPECT_EQ(qRed(inBand), qGreen(inBand));
    EXPECT_EQ(qGreen(inBand), qBlue(inBand));
    EXPECT_LT(qRed(inBand), 255);
}

TEST_F(OverlayFixture, draggingTheLaunchEndMapsPixelsToTimesInsideTheFlight)
{
    const DataAreaPixels area{100, 20, 600, 320}; // 500 pixels for 0..500 s: a pixel a second
    const Flight& f = report.flights[0];
    for (int x : {100, 237, 600})
        EXPECT_EQ(launchenddrag::pixelOfTime(plot, area, valueAtPixel(plot, area, x, 50).t), x);

    const int mark = launchenddrag::pixelOfTime(plot, area, *f.launchEnd);
    EXPECT_EQ(launchenddrag::markAt(plot, area, report, mark + launchenddrag::kGrabPixels), 0);
    EXPECT_EQ(launchenddrag::markAt(plot, area, report, mark - launchenddrag::kGrabPixels - 1), -1);

    EXPECT_DOUBLE_EQ(launchenddrag::launchEndAt(plot, area, f, 300), 200.0);
    EXPECT_DOUBLE_EQ(launchenddrag::launchEndAt(plot, area, f, area.left), f.launch);
    EXPECT_DOUBLE_EQ(launchenddrag::launchEndAt(plot, area, f, area.right), f.launch + f.duration);

    const DataAreaPixels collapsed{100, 20, 100, 320};
    EXPECT_EQ(launchenddrag::pixelOfTime(plot, collapsed, 250), 100);
    Plot empty;
    empty.setRange({50, 50, 0, 1});
    EXPECT_EQ(launchenddrag::pixelOfTime(empty, area, 1e300), area.left);
}
