#include "module/LiveView.h"
#include "FakeModule.h"

#include <QImage>
#include <QPainter>

using namespace vimo;
using namespace vimo::test;

namespace {

QImage paint(const LiveBuffer& buffer, int width = 665, int height = 321)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintLiveView(painter, width, height, buffer);
    painter.end();
    return image;
}

// Columns of the image that hold a pixel of the strip's red.
std::vector<int> redColumns(const QImage& image)
{
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}

} // namespace

class LiveViewTest : public ModuleTest {};

TEST_F(LiveViewTest, start_notConnectedWritesNotConnectedAndStaysStopped)
{
    LiveView view;
    startStopLive(session, view);
    EXPECT_FALSE(view.logging);
    EXPECT_EQ(view.buttonCaption, "Start");
    EXPECT_EQ(reporter.memo, QStringList{"Not Connected"});
    EXPECT_EQ(reporter.pageSwitches, 1);
}

TEST_F(LiveViewTest, startSendsLAndStopSendsNothing)
{
    connect();
    LiveView view;
    startStopLive(session, view);
    EXPECT_TRUE(view.logging);
    EXPECT_TRUE(view.timerEnabled);
    EXPECT_EQ(view.buttonCaption, "Stop");
    EXPECT_EQ(w.writes(), QStringList{"l"});
    startStopLive(session, view);
    EXPECT_FALSE(view.logging);
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_EQ(w.writes(), QStringList{"l"});
    EXPECT_EQ(reporter.loggingStatus, (QStringList{"Logging", ""}));
}

TEST(LiveBuffer, fullRingDropsTheOldestAndClearEmptiesIt)
{
    LiveBuffer ring(4);
    for (int i = 1; i <= 6; ++i)
        ring.append(i);
    EXPECT_EQ(ring.count(), 4);
    EXPECT_EQ(ring.head(), ring.tail());
    EXPECT_EQ(ring.at(ring.tail()), 3);
    ring.clear();
    EXPECT_EQ(ring.count(), 0);
}

TEST(PaintLiveView, fewerThanTwoValuesDrawOnlyBackgroundAndGrid)
{
    LiveBuffer ring;
    ring.append(5000);
    const QImage image = paint(ring);
    EXPECT_TRUE(redColumns(image).empty());
    EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(10, 321 * 3 / 10), QColor(0x80, 0x80, 0x80));
}

TEST(PaintLiveView, threeValuesSitAtTheRightEdgeTwoPixelsApart)
{
    LiveBuffer ring;
    ring.append(5000);
    ring.append(5000);
    ring.append(5000);
    const std::vector<int> columns = redColumns(paint(ring));
    ASSERT_FALSE(columns.empty());
    EXPECT_GE(columns.front(), 658);
    EXPECT_LE(columns.back(), 664);
}

TEST(PaintLiveView, fullRingStillDraws)
{
    LiveBuffer ring(20);
    for (int i = 0; i < 25; ++i)
        ring.append(1000.0 * (i % 10));
    const std::vector<int> columns = redColumns(paint(ring, 20, 100));
    EXPECT_FALSE(columns.empty());
}
