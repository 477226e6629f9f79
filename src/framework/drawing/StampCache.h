#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace fw {

/// @brief Small drawings kept as pixels, for a surface that draws the same ones many times.
///
/// A drawing whose geometry is fixed relative to an integer anchor point gives, on a raster
/// device under a whole-pixel translation, the same pixels wherever it is placed: they only
/// move. Such a drawing rendered once onto a transparent premultiplied image and composed
/// over the target gives the pixels that rasterising it there would give (to a level of
/// rounding where the drawing overlaps itself), at a fraction of the cost. The cache holds those
/// images, keyed by everything that decides their pixels except the position.
class StampCache {
  public:
    /// Everything that decides a stamp's pixels; fields a drawing does not use stay 0.
    /// Keys compare as bytes: the fields leave no padding, and doubles are stored through
    /// Value, so that equal values have equal bytes.
    struct Key {
        std::uint32_t kind = 0;
        QRgb colour = 0;
        QRgb border = 0;
        std::int32_t pen = 0;
        double width = 0.0;
        double height = 0.0;
        double borderWidth = 0.0;
        double borderOpacity = 0.0;
        double rotation = 0.0;
        std::int32_t count = 0;
        /// Point offsets, each within ±maxSide.
        std::array<std::int16_t, 20> coords{};
        std::int32_t unused = 0;

        /// A finite double with -0.0 made 0.0.
        static double Value(double v) { return v + 0.0; }
        bool operator==(const Key& other) const;
    };

    struct Stamp {
        /// How often the key was used, counted up to 2.
        int uses = 0;
        QImage image;
        /// Top-left corner of the image relative to the drawing's anchor point.
        QPoint offset;
        /// The drawing reaches too far for a stamp and is always drawn directly.
        bool direct = false;
        /// The drawing leaves no ink.
        bool empty = false;
    };

    /// Beyond this side a stamp saves little: filling the pixels costs more than the set-up.
    static constexpr int maxSide = 64;
    /// A dense code grid draws a few hundred different small drawings; 64 × 64 stamps of this
    /// many take at most 16 MB.
    static constexpr std::size_t defaultLimit = 1024;

    /// @brief A cache of at most @p limit stamps (at least one).
    explicit StampCache(std::size_t limit = defaultLimit);

    /// @brief The stamp for @p key, counted as used once more; a new key gets an empty one.
    ///
    /// When a new key finds the cache full it starts again empty: the drawings that are
    /// still repeated come back within a few calls, and nothing is kept to rank them.
    /// The reference stays valid until the next Use or Clear.
    Stamp& Use(const Key& key);

    void Clear() { stamps_.clear(); }
    /// @brief The number of stamps held, never above the limit.
    std::size_t Size() const { return stamps_.size(); }

  private:
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    std::size_t limit_;
    std::unordered_map<Key, Stamp, KeyHash> stamps_;
};

} // namespace fw
