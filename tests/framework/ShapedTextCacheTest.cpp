#include "ShapedTextCache.h"

#include "FrameworkTestSupport.h"
#include "ImageDifference.h"
#include "QPainterGraphics.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>

using fw::ShapedTextCache;

namespace {

const QRgb white = qRgb(255, 255, 255);

/// A device and font as a surface on a 100 × 100 image has them.
class ShapedTexts : public ::testing::Test {
  protected:
    void SetUp() override
    {
        EnsureApplication();
        font.setPixelSize(14);
    }

    QImage image{100, 100, QImage::Format_RGB32};
    QFont font{QStringLiteral("Arial")};
};

TEST_F(ShapedTexts, ATextIsShapedAtItsSecondUse)
{
    ShapedTextCache cache(font, &image);
    EXPECT_EQ(cache.Use(QStringLiteral("3100202")), nullptr);
    const ShapedTextCache::ShapedText* glyphs = cache.Use(QStringLiteral("3100202"));
    ASSERT_NE(glyphs, nullptr);
    ASSERT_EQ(glyphs->runs.size(), 1);
    EXPECT_EQ(glyphs->runs.front().glyphIndexes().size(), 7);
    EXPECT_GT(glyphs->ascent, 0.0);
    EXPECT_EQ(cache.Size(), 1);
}

TEST_F(ShapedTexts, NeverHoldsMoreThanItsLimitAndStartsAgainWhenFull)
{
    ShapedTextCache cache(font, &image, 3);
    for (const char* text : {"a", "b", "c"}) {
        cache.Use(QString::fromLatin1(text));
    }
    EXPECT_EQ(cache.Size(), 3);
    // A text it holds is found without making room.
    EXPECT_NE(cache.Use(QStringLiteral("a")), nullptr);
    EXPECT_EQ(cache.Size(), 3);

    // A new text finds it full: everything else is forgotten.
    EXPECT_EQ(cache.Use(QStringLiteral("d")), nullptr);
    EXPECT_EQ(cache.Size(), 1);
    EXPECT_EQ(cache.Use(QStringLiteral("a")), nullptr);
    EXPECT_NE(cache.Use(QStringLiteral("d")), nullptr);

    for (int i = 0; i < 50; ++i) {
        cache.Use(QString::number(i));
        ASSERT_LE(cache.Size(), 3) << i;
    }

    // A limit of 0 still keeps the text in use, so that its second use can shape it.
    ShapedTextCache tiny(font, &image, 0);
    tiny.Use(QStringLiteral("a"));
    EXPECT_NE(tiny.Use(QStringLiteral("a")), nullptr);
    tiny.Use(QStringLiteral("b"));
    EXPECT_EQ(tiny.Size(), 1);
}

TEST_F(ShapedTexts, DifferentTextsKeepTheirOwnGlyphs)
{
    ShapedTextCache cache(font, &image);
    const QStringList texts = {QStringLiteral("31"), QStringLiteral("13"),
                               QStringLiteral("3100202"), QStringLiteral("3100203")};
    for (const QString& text : texts) {
        cache.Use(text);
    }
    QList<QList<quint32>> glyphs;
    for (const QString& text : texts) {
        const ShapedTextCache::ShapedText* shaped = cache.Use(text);
        ASSERT_NE(shaped, nullptr) << text.toStdString();
        ASSERT_EQ(shaped->runs.size(), 1);
        glyphs.append(shaped->runs.front().glyphIndexes());
    }
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        for (qsizetype j = i + 1; j < glyphs.size(); ++j) {
            EXPECT_NE(glyphs[i], glyphs[j]) << i << " " << j;
        }
    }
    EXPECT_EQ(cache.Use(QStringLiteral("31"))->runs.front().glyphIndexes(), glyphs.front());
}

/// A text drawn at five places on one surface, `between` running between the second and
/// the third, gives at each the pixels of the text drawn on a fresh surface.
void ExpectSameTextPixels(const std::function<void(Graphics&)>& between)
{
    const auto draw = [](Graphics& g, int x) {
        g.TextFont("Arial");
        g.TextSize(14.0f);
        g.ForeColor(RGB(0, 0, 0));
        g.DrawString("3100 AV", x + 2, 20);
    };
    QImage reference(60, 30, QImage::Format_RGB32);
    reference.fill(white);
    {
        QPainter painter(&reference);
        fw::QPainterGraphics g(painter);
        draw(g, 0);
    }
    ASSERT_FALSE(InkBounds(reference, white).isNull());

    QImage image(300, 30, QImage::Format_RGB32);
    image.fill(white);
    {
        QPainter painter(&image);
        fw::QPainterGraphics g(painter);
        draw(g, 0);
        draw(g, 60);
        between(g);
        for (const int x : {120, 180, 240}) {
            draw(g, x);
        }
    }
    for (int left = 0; left < 300; left += 60) {
        EXPECT_LE(LargestChannelDifference(image.copy(left, 0, 60, 30), reference), 1)
            << "text at " << left;
    }
}

TEST(ShapedTextsOnTheSurface, TextsAfterTheCacheRanFullGiveTheSamePixels)
{
    EnsureApplication();
    // As many other texts as the cache holds, drawn outside the image: the text is forgotten.
    ExpectSameTextPixels([](Graphics& g) {
        for (int i = 0; i < static_cast<int>(ShapedTextCache::defaultLimit); ++i) {
            g.DrawString(std::to_string(i), -1000, -1000);
        }
    });
}

TEST(ShapedTextsOnTheSurface, TextsAfterTheFontsRanFullGiveTheSamePixels)
{
    EnsureApplication();
    // Texts in many sizes make the surface forget its fonts, with their shaped texts.
    ExpectSameTextPixels([](Graphics& g) {
        for (int size = 15; size < 50; ++size) {
            g.TextSize(static_cast<float>(size));
            g.DrawString("3100 AV", -1000, -1000);
            g.DrawString("3100 AV", -1000, -1000);
        }
    });
}

} // namespace
