#include "QPainterGraphics.h"
#include "FrameworkTestSupport.h"

#include <QFontInfo>
#include <QPainter>

#include <gtest/gtest.h>

#include <chrono>

namespace {

const QRgb white = qRgb(255, 255, 255);
const QRgb black = qRgb(0, 0, 0);

class QPainterGraphicsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    /// Draws on a fresh white 100 × 100 image and returns it.
    static QImage Draw(const std::function<void(Graphics&)>& draw)
    {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(white);
        QPainter painter(&image);
        fw::QPainterGraphics g(painter);
        draw(g);
        return image;
    }
};

TEST_F(QPainterGraphicsTest, ShapesAreCentredOnTheirPoint)
{
    for (const ShapeKind kind : {ShapeKind::Oval, ShapeKind::Rect}) {
        for (const double side : {5.0, 10.0, 11.0, 20.5}) {
            const QImage image = Draw([&](Graphics& g) {
                Shape shape(kind);
                shape.Width = side;
                shape.Height = side;
                shape.FillColor = RGB(255, 0, 0);
                g.DrawObject(shape, 50, 40);
            });
            const QRect ink = InkBounds(image, white);
            SCOPED_TRACE(testing::Message() << "kind " << int(kind) << " side " << side);
            EXPECT_EQ(ink.left() + ink.right(), 100);
            EXPECT_EQ(ink.top() + ink.bottom(), 80);
            EXPECT_NEAR(ink.width(), side, 1.0);
            EXPECT_EQ(image.pixel(50, 40), qRgb(255, 0, 0));
        }
    }
}

TEST_F(QPainterGraphicsTest, RectBorderIsCrispAndAnOvalHasNoneUnlessSet)
{
    const QImage square = Draw([](Graphics& g) {
        RectShape rect;
        rect.Width = 10.0;
        rect.Height = 10.0;
        rect.Border = 100.0;
        rect.BorderColor = RGB(0, 0, 0);
        rect.FillColor = RGB(0, 0, 255);
        rect.BorderWidth = 1.0;
        g.DrawObject(rect, 50, 50);
    });
    EXPECT_EQ(InkBounds(square, white), QRect(45, 45, 11, 11));
    for (int i = 45; i <= 55; ++i) {
        EXPECT_EQ(square.pixel(i, 45), black);
        EXPECT_EQ(square.pixel(45, i), black);
    }
    EXPECT_EQ(square.pixel(46, 46), qRgb(0, 0, 255));

    // A disc with no border set shows only its fill colour, up to the antialiased rim.
    const QImage disc = Draw([](Graphics& g) {
        OvalShape oval;
        oval.Width = 30.0;
        oval.Height = 30.0;
        oval.FillColor = RGB(255, 255, 255);
        oval.BorderColor = RGB(0, 0, 0);
        g.DrawObject(oval, 50, 50);
    });
    EXPECT_TRUE(InkBounds(disc, white).isNull());
}

TEST_F(QPainterGraphicsTest, ThinLinesCoverWholePixels)
{
    const QImage zero = Draw([](Graphics& g) {
        g.PenWidth(0);
        g.DrawLine(10, 20, 30, 20);
        g.DrawLine(40, 10, 40, 30);
    });
    const QImage one = Draw([](Graphics& g) {
        g.PenWidth(1);
        g.DrawLine(10, 20, 30, 20);
        g.DrawLine(40, 10, 40, 30);
    });
    EXPECT_EQ(zero, one);
    EXPECT_EQ(one.pixel(20, 20), black);
    EXPECT_EQ(one.pixel(20, 19), white);
    EXPECT_EQ(one.pixel(20, 21), white);
    EXPECT_EQ(one.pixel(40, 20), black);
    EXPECT_EQ(one.pixel(39, 20), white);

    const QImage two = Draw([](Graphics& g) {
        g.PenWidth(2);
        g.DrawLine(10, 20, 30, 20);
    });
    EXPECT_EQ(two.pixel(20, 19), black);
    EXPECT_EQ(two.pixel(20, 20), black);
    EXPECT_EQ(two.pixel(20, 18), white);
    EXPECT_EQ(two.pixel(20, 21), white);
}

TEST_F(QPainterGraphicsTest, DrawRectOutlinesInsideItsBounds)
{
    for (const int width : {1, 2, 3}) {
        const QImage image = Draw([width](Graphics& g) {
            g.ForeColor(RGB(255, 0, 0));
            g.PenWidth(width);
            g.DrawRect(10, 20, 40, 30);
        });
        SCOPED_TRACE(width);
        EXPECT_EQ(InkBounds(image, white), QRect(10, 20, 40, 30));
        EXPECT_EQ(image.pixel(10 + width - 1, 35), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(10 + width, 35), white);
        EXPECT_EQ(image.pixel(49 - width + 1, 35), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(49 - width, 35), white);
    }
    EXPECT_TRUE(InkBounds(Draw([](Graphics& g) { g.DrawRect(0, 0, 0, 0); }), white).isNull());
}

TEST_F(QPainterGraphicsTest, PolygonsIgnoreElementZeroAndAnUnpairedLastElement)
{
    const std::vector<std::int32_t> triangle{0, 10, 80, 50, 10, 90, 80};
    std::vector<std::int32_t> unpaired = triangle;
    unpaired.push_back(7);
    unpaired[0] = 55;
    const auto draw = [](const std::vector<std::int32_t>& points) {
        return Draw([&points](Graphics& g) {
            g.ForeColor(RGB(0, 128, 0));
            g.FillPolygon(points);
            g.ForeColor(RGB(0, 0, 0));
            g.DrawPolygon(points);
        });
    };
    const QImage expected = draw(triangle);
    EXPECT_EQ(draw(unpaired), expected);
    EXPECT_EQ(expected.pixel(50, 50), qRgb(0, 128, 0));
    EXPECT_EQ(InkBounds(expected, white), QRect(10, 10, 81, 71));
    // Too few vertices draw nothing rather than failing.
    EXPECT_TRUE(InkBounds(draw({0, 10, 10, 20}), white).isNull());
    EXPECT_TRUE(InkBounds(draw({}), white).isNull());
}

TEST_F(QPainterGraphicsTest, TextSitsOnItsBaselineInArialMetrics)
{
    QFont font;
    const QImage image = Draw([&font](Graphics& g) {
        g.TextFont("Arial");
        g.TextSize(40.0f);
        g.DrawString("H", 20, 80);
        font = static_cast<fw::QPainterGraphics&>(g).Font();
    });
    const QFontInfo info(font);
    EXPECT_TRUE(info.family() == "Arial" || info.family() == "Liberation Sans")
        << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 40);
    const QRect ink = InkBounds(image, white);
    EXPECT_GE(ink.bottom(), 78);
    EXPECT_LE(ink.bottom(), 80);
    // Cap height of Arial: 0.716 em.
    EXPECT_NEAR(80 - ink.top(), 0.716 * 40, 2.0);
    EXPECT_GE(ink.left(), 20);
    EXPECT_LE(ink.left(), 20 + 6);
}

TEST_F(QPainterGraphicsTest, TextMetricsScaleWithTheSizeInPixels)
{
    Draw([](Graphics& g) {
        g.TextFont("Arial");
        g.TextSize(20.0f);
        // Arial digits advance 0.556 em; its line height is 1.15 em.
        EXPECT_NEAR(g.StringWidth("3100202"), 7 * 0.556 * 20, 2.0);
        EXPECT_NEAR(g.TextHeight(), 1.15 * 20, 1.5);
        EXPECT_DOUBLE_EQ(g.StringWidth(""), 0.0);
        g.Bold(true);
        EXPECT_GT(g.StringWidth("Man"), 0.0);
    });
}

TEST_F(QPainterGraphicsTest, TextOfNoSizeIsSkippedQuietly)
{
    int warnings = -1;
    QImage image;
    warnings = QtWarningsDuring([&image] {
        image = Draw([](Graphics& g) {
            for (const float size : {0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()}) {
                g.TextSize(size);
                g.DrawString("3100202", 10, 50);
                EXPECT_EQ(g.StringWidth("3100202"), 0.0);
                EXPECT_EQ(g.TextHeight(), 0);
            }
        });
    });
    EXPECT_EQ(warnings, 0);
    EXPECT_TRUE(InkBounds(image, white).isNull());
}

TEST_F(QPainterGraphicsTest, AHugeTextDrawsOnlyWhatCanShow)
{
    const std::string huge(100'000'000, '7');
    const auto start = std::chrono::steady_clock::now();
    const QImage image = Draw([&huge](Graphics& g) {
        g.TextSize(12.0f);
        g.DrawString(huge, 5, 50);
    });
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(2));
    const QRect ink = InkBounds(image, white);
    EXPECT_LE(ink.left(), 7);
    EXPECT_EQ(ink.right(), 99);
    // A text that starts beyond the right edge is not laid out at all.
    EXPECT_TRUE(
        InkBounds(Draw([&huge](Graphics& g) { g.DrawString(huge, 500, 50); }), white).isNull());
}

TEST_F(QPainterGraphicsTest, LeavesThePainterAsItFoundIt)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    painter.setBrush(Qt::yellow);
    const QFont font = painter.font();
    {
        fw::QPainterGraphics g(painter);
        g.ForeColor(RGB(255, 0, 0));
        g.PenWidth(5);
        g.TextSize(30.0f);
        g.DrawLine(0, 0, 5, 5);
        g.DrawString("x", 0, 9);
        g.FillPolygon({0, 0, 0, 9, 0, 9, 9});
    }
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush().color(), QColor(Qt::yellow));
    EXPECT_EQ(painter.font(), font);
}

} // namespace
