#include "StampCache.h"

#include "FrameworkTestSupport.h"
#include "ImageDifference.h"
#include "QPainterGraphics.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using fw::StampCache;

namespace {

/// An oval's key; different sizes give different keys.
StampCache::Key OvalKey(int width, int height = 1)
{
    StampCache::Key key;
    key.kind = 1;
    key.width = width;
    key.height = height;
    return key;
}

TEST(StampCache, NeverHoldsMoreThanItsLimitAndStartsAgainWhenFull)
{
    StampCache cache(4);
    for (int i = 1; i <= 4; ++i) {
        cache.Use(OvalKey(i));
    }
    EXPECT_EQ(cache.Size(), 4u);
    // A key it holds is found without making room.
    EXPECT_EQ(cache.Use(OvalKey(1)).uses, 2);
    EXPECT_EQ(cache.Size(), 4u);

    // A new key finds it full: everything else is forgotten.
    EXPECT_EQ(cache.Use(OvalKey(5)).uses, 1);
    EXPECT_EQ(cache.Size(), 1u);
    EXPECT_EQ(cache.Use(OvalKey(1)).uses, 1);
    EXPECT_EQ(cache.Use(OvalKey(5)).uses, 2);

    for (int i = 6; i < 100; ++i) {
        cache.Use(OvalKey(i));
        ASSERT_LE(cache.Size(), 4u) << i;
        ASSERT_GE(cache.Size(), 1u) << i;
    }
}

TEST(StampCache, DefaultLimitAndTheSmallestLimit)
{
    StampCache cache;
    for (int i = 0; i < static_cast<int>(StampCache::defaultLimit); ++i) {
        cache.Use(OvalKey(1 + i % 64, 1 + i / 64));
    }
    EXPECT_EQ(cache.Size(), StampCache::defaultLimit);
    cache.Use(OvalKey(100));
    EXPECT_EQ(cache.Size(), 1u);

    // A limit of 0 still keeps the stamp in use, so that its second use can make it.
    StampCache tiny(0);
    tiny.Use(OvalKey(1));
    EXPECT_EQ(tiny.Use(OvalKey(1)).uses, 2);
    tiny.Use(OvalKey(2));
    EXPECT_EQ(tiny.Size(), 1u);
}

TEST(StampCache, KeysThatDifferInAnyFieldKeepTheirOwnStamps)
{
    // Some variants share every field the hash reads with the base key: a shape's key with
    // coordinates, a line's key with a size, coordinates past the count.
    std::vector<std::function<void(StampCache::Key&)>> changes = {
        [](StampCache::Key& k) { k.kind = 2; },
        [](StampCache::Key& k) { k.colour = 0xff00ff00; },
        [](StampCache::Key& k) { k.border = 0xff0000ff; },
        [](StampCache::Key& k) { k.pen = 3; },
        [](StampCache::Key& k) { k.width = 5.5; },
        [](StampCache::Key& k) { k.height = 5.5; },
        [](StampCache::Key& k) { k.borderWidth = 2.0; },
        [](StampCache::Key& k) { k.borderOpacity = 50.0; },
        [](StampCache::Key& k) { k.rotation = 0.4; },
        [](StampCache::Key& k) { k.count = 2; },
        [](StampCache::Key& k) { k.coords[0] = -1; },
        [](StampCache::Key& k) { k.coords[19] = 1; },
        [](StampCache::Key& k) {
            k.count = 2;
            k.width = 5.5;
        },
        [](StampCache::Key& k) {
            k.count = 2;
            k.coords[4] = 7;
        },
    };
    StampCache cache;
    cache.Use(StampCache::Key{}).offset = QPoint(-1, 0);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        StampCache::Key key;
        changes[i](key);
        StampCache::Stamp& stamp = cache.Use(key);
        EXPECT_EQ(stamp.uses, 1) << "variant " << i;
        stamp.offset = QPoint(static_cast<int>(i), 0);
    }
    EXPECT_EQ(cache.Size(), changes.size() + 1);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        StampCache::Key key;
        changes[i](key);
        EXPECT_EQ(cache.Use(key).offset, QPoint(static_cast<int>(i), 0)) << "variant " << i;
    }
    EXPECT_EQ(cache.Use(StampCache::Key{}).offset, QPoint(-1, 0));

    // Equal values are equal keys, the two zeros included.
    StampCache::Key negativeZero;
    negativeZero.rotation = StampCache::Key::Value(-0.0);
    EXPECT_EQ(cache.Use(negativeZero).offset, QPoint(-1, 0));
}

/// Patches of a drawing made at several places on one image compared with the same drawing
/// made on a fresh surface; `between` runs on the same surface between the first two
/// places and the rest.
void ExpectSamePixelsAcrossAFullCache(const std::function<void(Graphics&, int, int)>& draw,
                                      const std::function<void(Graphics&)>& between)
{
    EnsureApplication();
    const QRgb white = qRgb(255, 255, 255);
    QImage reference(40, 40, QImage::Format_RGB32);
    reference.fill(white);
    {
        QPainter painter(&reference);
        fw::QPainterGraphics g(painter);
        draw(g, 20, 20);
    }
    ASSERT_FALSE(InkBounds(reference, white).isNull());

    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(white);
    {
        QPainter painter(&image);
        fw::QPainterGraphics g(painter);
        draw(g, 20, 20);
        draw(g, 60, 20);
        between(g);
        draw(g, 100, 20);
        draw(g, 140, 20);
        draw(g, 180, 20);
    }
    for (int left = 0; left < 200; left += 40) {
        // Composing a fill under its own outline rounds apart by a level at most.
        EXPECT_LE(LargestChannelDifference(image.copy(left, 0, 40, 40), reference), 1)
            << "drawing at " << left + 20;
    }
}

/// Draws StampCache::defaultLimit different small ovals outside the image: each is a new
/// key, so the surface's stamp cache runs full and starts again at least once.
void FillTheStampCache(Graphics& g)
{
    for (int i = 0; i < static_cast<int>(StampCache::defaultLimit); ++i) {
        OvalShape oval;
        oval.Width = 1 + i % 32;
        oval.Height = 1 + i / 32;
        g.DrawObject(oval, -500, -500);
    }
}

TEST(StampCacheOnTheSurface, DrawingsAfterTheCacheRanFullGiveTheSamePixels)
{
    const std::vector<std::function<void(Graphics&, int, int)>> drawings = {
        [](Graphics& g, int x, int y) {
            OvalShape oval;
            oval.Width = 13.0;
            oval.Height = 9.0;
            oval.FillColor = RGB(200, 0, 0);
            oval.Border = 100.0;
            oval.BorderWidth = 2.0;
            g.DrawObject(oval, x, y);
        },
        [](Graphics& g, int x, int y) {
            g.ForeColor(RGB(0, 0, 160));
            g.PenWidth(2);
            g.DrawLine(x - 10, y + 8, x + 9, y - 7);
        },
        [](Graphics& g, int x, int y) {
            const std::vector<std::int32_t> triangle{0, x - 8, y + 6, x + 8, y + 6, x, y - 9};
            g.ForeColor(RGB(0, 150, 0));
            g.FillPolygon(triangle);
            g.ForeColor(RGB(0, 0, 0));
            g.PenWidth(1);
            g.DrawPolygon(triangle);
        },
    };
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectSamePixelsAcrossAFullCache(drawings[i], FillTheStampCache);
    }
}

TEST(StampCacheOnTheSurface, DrawingsWhoseKeysDifferInOneFieldKeepTheirOwnPixels)
{
    // Each pair is drawn in turn, so that from the second call on both come from the cache.
    const auto colours = [](Graphics& g, int x, int y) {
        for (const int side : {-1, 1}) {
            OvalShape oval;
            oval.Width = oval.Height = 11.0;
            oval.FillColor = side < 0 ? RGB(255, 0, 0) : RGB(0, 0, 255);
            g.DrawObject(oval, x + 8 * side, y);
        }
    };
    const auto kinds = [](Graphics& g, int x, int y) {
        OvalShape oval;
        oval.Width = oval.Height = 11.0;
        g.DrawObject(oval, x - 8, y);
        RectShape rect;
        rect.Width = rect.Height = 11.0;
        g.DrawObject(rect, x + 8, y);
    };
    const auto penWidths = [](Graphics& g, int x, int y) {
        g.ForeColor(RGB(0, 0, 0));
        g.PenWidth(1);
        g.DrawLine(x - 10, y - 6, x + 10, y - 6);
        g.PenWidth(3);
        g.DrawLine(x - 10, y + 6, x + 10, y + 6);
    };
    const auto nothing = [](Graphics&) {};
    ExpectSamePixelsAcrossAFullCache(colours, nothing);
    ExpectSamePixelsAcrossAFullCache(kinds, nothing);
    ExpectSamePixelsAcrossAFullCache(penWidths, nothing);
}

} // namespace
