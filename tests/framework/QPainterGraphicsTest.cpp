#include "QPainterGraphics.h"
#include "FrameworkTestSupport.h"

#include <QFontInfo>
#include <QPainter>

#include <gtest/gtest.h>

#include <chrono>

namespace {

const QRgb white = qRgb(255, 255, 255);
const QRgb black = qRgb(0, 0, 0);

/// Draws on a fresh white 100 × 100 image and returns it.
QImage Draw(const std::function<void(fw::QPainterGraphics&)>& draw)
{
    EnsureApplication();
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(white);
    QPainter painter(&image);
    fw::QPainterGraphics g(painter);
    draw(g);
    return image;
}

TEST(QPainterGraphics, ShapesAreCentredOnTheirPointWithCrispBorders)
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
            EXPECT_EQ(ink.center(), QPoint(50, 40)) << int(kind) << " " << side;
            EXPECT_NEAR(ink.width(), side, 1.0) << int(kind) << " " << side;
        }
    }
    const QImage square = Draw([](Graphics& g) {
        RectShape rect;
        rect.Width = 10.0;
        rect.Height = 10.0;
        rect.Border = 100.0;
        rect.FillColor = RGB(0, 0, 255);
        g.DrawObject(rect, 50, 50);
    });
    EXPECT_EQ(InkBounds(square, white), QRect(45, 45, 11, 11));
    for (int i = 45; i <= 55; ++i) {
        EXPECT_EQ(square.pixel(i, 45), black);
        EXPECT_EQ(square.pixel(45, i), black);
    }
    EXPECT_EQ(square.pixel(46, 46), qRgb(0, 0, 255));
    // An oval with no border set shows its fill colour only (white on white here).
    EXPECT_TRUE(InkBounds(Draw([](Graphics& g) {
                              OvalShape oval;
                              oval.Width = oval.Height = 30.0;
                              oval.FillColor = RGB(255, 255, 255);
                              g.DrawObject(oval, 50, 50);
                          }),
                          white)
                    .isNull());
}

TEST(QPainterGraphics, LinesAndRectOutlinesCoverWholePixels)
{
    const auto lines = [](int width) {
        return Draw([width](Graphics& g) {
            g.PenWidth(width);
            g.DrawLine(10, 20, 30, 20);
            g.DrawLine(40, 10, 40, 30);
        });
    };
    const QImage one = lines(1);
    EXPECT_EQ(lines(0), one);
    EXPECT_EQ(InkBounds(one, white), QRect(10, 10, 31, 21));
    EXPECT_EQ(one.pixel(20, 20), black);
    EXPECT_EQ(one.pixel(40, 20), black);
    const QImage two = lines(2);
    EXPECT_EQ(two.pixel(20, 19), black);
    EXPECT_EQ(two.pixel(20, 20), black);
    EXPECT_EQ(InkBounds(two, white).height(), 22);

    for (const int width : {1, 2, 3}) {
        const QImage frame = Draw([width](Graphics& g) {
            g.PenWidth(width);
            g.DrawRect(10, 20, 40, 30);
        });
        EXPECT_EQ(InkBounds(frame, white), QRect(10, 20, 40, 30)) << width;
        EXPECT_EQ(frame.pixel(10 + width - 1, 35), black) << width;
        EXPECT_EQ(frame.pixel(10 + width, 35), white) << width;
    }
}

TEST(QPainterGraphics, PolygonsIgnoreElementZeroAndAnUnpairedLastElement)
{
    const auto draw = [](const std::vector<std::int32_t>& points) {
        return Draw([&points](Graphics& g) {
            g.ForeColor(RGB(0, 128, 0));
            g.FillPolygon(points);
            g.ForeColor(RGB(0, 0, 0));
            g.DrawPolygon(points);
        });
    };
    const QImage triangle = draw({0, 10, 80, 50, 10, 90, 80});
    EXPECT_EQ(draw({55, 10, 80, 50, 10, 90, 80, 7}), triangle);
    EXPECT_EQ(triangle.pixel(50, 50), qRgb(0, 128, 0));
    EXPECT_EQ(InkBounds(triangle, white), QRect(10, 10, 81, 71));
    EXPECT_TRUE(InkBounds(draw({0, 10, 10, 20}), white).isNull());
    EXPECT_TRUE(InkBounds(draw({}), white).isNull());
}

TEST(QPainterGraphics, TextSitsOnItsBaselineInAnArialCompatibleFace)
{
    QFont font;
    const QImage image = Draw([&font](fw::QPainterGraphics& g) {
        g.TextFont("Arial");
        g.TextSize(40.0f);
        g.DrawString("H", 20, 80);
        font = g.Font();
        // Arial's digits advance 0.556 em; its line height is 1.15 em.
        g.TextSize(20.0f);
        EXPECT_NEAR(g.StringWidth("3100202"), 7 * 0.556 * 20, 2.0);
        EXPECT_NEAR(g.TextHeight(), 1.15 * 20, 1.5);
    });
    const QFontInfo info(font);
    EXPECT_TRUE(info.family() == "Arial" || info.family() == "Liberation Sans")
        << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 40);
    const QRect ink = InkBounds(image, white);
    EXPECT_GE(ink.bottom(), 78);
    EXPECT_LE(ink.bottom(), 80);
    EXPECT_NEAR(80 - ink.top(), 0.716 * 40, 2.0); // Arial's cap height
    EXPECT_GE(ink.left(), 20);
    EXPECT_LE(ink.left(), 26);
}

TEST(QPainterGraphics, TextOfNoSizeIsSkippedQuietly)
{
    EnsureApplication();
    QImage image;
    const QStringList warnings = QtWarningsDuring([&image] {
        image = Draw([](Graphics& g) {
            for (const float size : {0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()}) {
                g.TextSize(size);
                g.DrawString("3100202", 10, 50);
                EXPECT_EQ(g.StringWidth("3100202"), 0.0);
                EXPECT_EQ(g.TextHeight(), 0);
            }
        });
    });
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    EXPECT_TRUE(InkBounds(image, white).isNull());
}

TEST(QPainterGraphics, AHugeTextDrawsOnlyWhatCanShow)
{
    const std::string huge(100'000'000, '7');
    const auto start = std::chrono::steady_clock::now();
    const QImage image = Draw([&huge](Graphics& g) { g.DrawString(huge, 5, 50); });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(InkBounds(image, white).right(), 99);
}

TEST(QPainterGraphics, LeavesThePainterAsItFoundIt)
{
    EnsureApplication();
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    const QFont font = painter.font();
    {
        fw::QPainterGraphics g(painter);
        g.PenWidth(5);
        g.TextSize(30.0f);
        g.DrawLine(0, 0, 5, 5);
        g.DrawString("x", 0, 9);
        g.FillPolygon({0, 0, 0, 9, 0, 9, 9});
    }
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.font(), font);
}

} // namespace
