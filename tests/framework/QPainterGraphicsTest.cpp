#include "QPainterGraphics.h"
#include "FrameworkTestSupport.h"
#include "ImageDifference.h"

#include <QFontInfo>
#include <QPaintEngine>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

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
    // A square smaller than its border shows as the border alone: one black pixel here.
    const QImage dot = Draw([](Graphics& g) {
        RectShape rect;
        rect.Width = rect.Height = 0.81;
        rect.Border = 100.0;
        g.DrawObject(rect, 50, 50);
    });
    EXPECT_EQ(InkBounds(dot, white), QRect(50, 50, 1, 1));
    EXPECT_EQ(dot.pixel(50, 50), black);
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

/// A 100 × 100 vector device whose engine keeps the texts it is asked to draw.
class TextRecordingDevice : public QPaintDevice {
  public:
    QStringList texts;

    QPaintEngine* paintEngine() const override { return &engine_; }

  protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 100;
        case PdmWidthMM:
        case PdmHeightMM:
            return 26;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        default:
            return QPaintDevice::metric(metric);
        }
    }

  private:
    class Engine : public QPaintEngine {
      public:
        explicit Engine(TextRecordingDevice& device) : QPaintEngine(AllFeatures), device_(device) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override
        {
            device_.texts.append(item.text());
        }
        Type type() const override { return User; }

      private:
        TextRecordingDevice& device_;
    };

    mutable Engine engine_{*this};
};

TEST(QPainterGraphics, AHugeTextDrawsOnlyWhatCanShow)
{
    const std::string huge(100'000'000, '7');
    const QImage image = Draw([&huge](Graphics& g) { g.DrawString(huge, 5, 50); });
    EXPECT_EQ(InkBounds(image, white).right(), 99);

    // Only the characters that can reach the device are laid out: no glyph is narrower than
    // a tenth of the text size, so a few hundred at most on 100 pixels.
    TextRecordingDevice device;
    {
        QPainter painter(&device);
        fw::QPainterGraphics g(painter);
        g.DrawString(huge, 5, 50);
    }
    const qsizetype drawn = device.texts.join(QString()).size();
    EXPECT_GT(drawn, 10);
    EXPECT_LT(drawn, 1000);
    EXPECT_EQ(device.texts.join(QString()), QString(drawn, QLatin1Char('7')));
}

/// One call of each kind the drawings make, at sizes from a dense grid's to a large cartoon's.
std::vector<std::function<void(Graphics&, int, int)>> SampleDrawings()
{
    std::vector<std::function<void(Graphics&, int, int)>> drawings;
    for (const double size : {0.81, 2.81, 5.0, 10.5, 20.0}) {
        drawings.push_back([size](Graphics& g, int x, int y) {
            OvalShape oval;
            oval.Width = oval.Height = size;
            oval.FillColor = RGB(0, 200, 0);
            g.DrawObject(oval, x, y);
        });
        drawings.push_back([size](Graphics& g, int x, int y) {
            RectShape rect;
            rect.Width = rect.Height = size;
            rect.Border = 100.0;
            rect.FillColor = RGB(0, 0, 255);
            g.DrawObject(rect, x, y);
        });
    }
    drawings.push_back([](Graphics& g, int x, int y) {
        RectShape rect;
        rect.Width = 14.0;
        rect.Height = 6.0;
        rect.Border = 50.0;
        rect.BorderWidth = 3.0;
        rect.Rotation = 0.4;
        g.DrawObject(rect, x, y);
    });
    for (const int width : {0, 1, 2, 3}) {
        drawings.push_back([width](Graphics& g, int x, int y) {
            g.ForeColor(RGB(90, 30, 160));
            g.PenWidth(width);
            g.DrawLine(x, y, x - 13, y);
            g.DrawLine(x, y, x - 9, y - 11);
            g.DrawLine(x, y, x + 2, y + 17);
        });
        drawings.push_back([width](Graphics& g, int x, int y) {
            const std::vector<std::int32_t> star{
                0,     x + 8, y - 3, x + 2, y - 3, x,     y - 9, x - 2, y - 3, x - 8, y - 3,
                x - 3, y + 1, x - 5, y + 7, x,     y + 3, x + 5, y + 7, x + 3, y + 1, 0};
            g.PenWidth(width);
            g.ForeColor(RGB(255, 0, 0));
            g.FillPolygon(star);
            g.ForeColor(RGB(0, 0, 0));
            g.DrawPolygon(star);
        });
    }
    for (const float size : {1.62f, 7.0f, 16.0f}) {
        drawings.push_back([size](Graphics& g, int x, int y) {
            g.ForeColor(RGB(0, 0, 0));
            g.TextSize(size);
            g.DrawString("3100 AV", x - 30, y);
        });
    }
    return drawings;
}

TEST(QPainterGraphics, ADrawingRepeatedElsewhereGivesTheSamePixels)
{
    // The first of three calls rasterises; the later ones reuse its pixels or glyphs. Where a
    // drawing overlaps itself (a fill under its outline) composing rounds apart by a level.
    EnsureApplication();
    const std::vector<std::function<void(Graphics&, int, int)>> drawings = SampleDrawings();
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        QImage image(300, 300, QImage::Format_RGB32);
        image.fill(white);
        {
            QPainter painter(&image);
            fw::QPainterGraphics g(painter);
            for (const QPoint at : {QPoint(50, 50), QPoint(150, 50), QPoint(50, 150)}) {
                drawings[i](g, at.x(), at.y());
            }
        }
        const QRect first(0, 0, 100, 100);
        const QImage reference = image.copy(first);
        EXPECT_FALSE(InkBounds(reference, white).isNull()) << "drawing " << i;
        EXPECT_LE(LargestChannelDifference(image.copy(first.translated(100, 0)), reference), 1)
            << "drawing " << i;
        EXPECT_LE(LargestChannelDifference(image.copy(first.translated(0, 100)), reference), 1)
            << "drawing " << i;
    }
}

TEST(QPainterGraphics, DrawsOnAPainterOffsetByWholeOrPartPixelsAsOnePlacedThere)
{
    // A widget's painter is often offset; a part-pixel offset must not reuse whole pixels.
    EnsureApplication();
    const auto drawAll = [](double offset, bool freshSurfaces) {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(white);
        QPainter painter(&image);
        painter.translate(offset, offset);
        std::optional<fw::QPainterGraphics> shared(std::in_place, painter);
        for (const auto& draw : SampleDrawings()) {
            for (int i = 0; i < 2; ++i) {
                // A fresh surface makes every call a first one.
                std::optional<fw::QPainterGraphics> fresh;
                if (freshSurfaces) {
                    fresh.emplace(painter);
                }
                draw(freshSurfaces ? *fresh : *shared, 40, 40);
            }
        }
        shared.reset();
        painter.end();
        return image;
    };
    for (const double offset : {7.0, 7.5}) {
        EXPECT_LE(LargestChannelDifference(drawAll(offset, false), drawAll(offset, true)), 1)
            << offset;
    }
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
