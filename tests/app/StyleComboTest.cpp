#include "app/plotview/StyleComboDelegate.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace vimo;

namespace {

// A 60 x 20 row drawn on grey, so that the white fill shows; returns the black pixels as "x,y" points.
std::vector<QPoint> blackPixels(StyleKind kind, int row)
{
    QImage image(60, 20, QImage::Format_RGB32);
    image.fill(Qt::gray);
    {
        QPainter p(&image);
        paintStyleRow(p, image.rect(), kind, row);
    }
    std::vector<QPoint> black;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            EXPECT_NE(c, QColor(Qt::gray).rgb()) << "row not filled at " << x << "," << y;
            if (c == qRgb(0, 0, 0))
                black.emplace_back(x, y);
        }
    }
    return black;
}

} // namespace

TEST(StyleRows, namesInIndexOrder)
{
    EXPECT_EQ(styleRowNames(StyleKind::Line).join(QLatin1Char('|')),
              QStringLiteral("-none-|Solid|Dot|Dash|Dash Dot|Dash Dot Dot"));
    EXPECT_EQ(styleRowNames(StyleKind::Point).join(QLatin1Char('|')),
              QStringLiteral("-none-|Dot|Circle|Square|Cross|X|Diamond|Triangle"));
}

TEST(StyleRows, noneAndUnknownRowsAreWhiteOnly)
{
    EXPECT_TRUE(blackPixels(StyleKind::Line, 0).empty());
    EXPECT_TRUE(blackPixels(StyleKind::Point, 0).empty());
    EXPECT_TRUE(blackPixels(StyleKind::Point, 42).empty());
    EXPECT_TRUE(blackPixels(StyleKind::Line, -3).empty());
}

TEST(StyleRows, lineRowsRunAcrossTheMiddleFourPixelsIn)
{
    const auto solid = blackPixels(StyleKind::Line, 1);
    ASSERT_FALSE(solid.empty());
    for (const QPoint& p : solid)
        EXPECT_EQ(p.y(), 10);
    EXPECT_EQ(solid.front().x(), 4);
    EXPECT_EQ(solid.back().x(), 56);
    EXPECT_EQ(int(solid.size()), 53);
    // A dotted line leaves gaps.
    const auto dotted = blackPixels(StyleKind::Line, 2);
    EXPECT_GT(dotted.size(), 10u);
    EXPECT_LT(dotted.size(), solid.size());
}

TEST(StyleRows, pointSymbolsSitAroundTheCentreSizedByTheRowHeight)
{
    // Row height 20: q = 5, f = 4, s = 3; centre (30, 10).
    const auto dot = blackPixels(StyleKind::Point, 1);
    ASSERT_EQ(dot.size(), 1u);
    EXPECT_EQ(dot.front(), QPoint(30, 10));

    const auto square = blackPixels(StyleKind::Point, 3);
    const auto [minX, maxX] =
        std::minmax_element(square.begin(), square.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    EXPECT_EQ(minX->x(), 26);
    EXPECT_EQ(maxX->x(), 34);

    const auto cross = blackPixels(StyleKind::Point, 4);
    EXPECT_EQ(cross.size(), 17u); // two 9-pixel strokes sharing the centre
    for (const QPoint& p : cross)
        EXPECT_TRUE(p.x() == 30 || p.y() == 10);

    for (int row : {2, 5, 6, 7}) {
        const auto symbol = blackPixels(StyleKind::Point, row);
        ASSERT_FALSE(symbol.empty()) << row;
        for (const QPoint& p : symbol) {
            EXPECT_LE(std::abs(p.x() - 30), 5) << row;
            EXPECT_LE(std::abs(p.y() - 10), 5) << row;
        }
    }
}
