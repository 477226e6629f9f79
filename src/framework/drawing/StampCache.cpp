#include "StampCache.h"

#include <algorithm>
#include <cstring>

namespace fw {

namespace {

static_assert(sizeof(StampCache::Key) == 16 + 5 * 8 + 4 + 20 * 2 + 4,
              "StampCache::Key has padding, which would take part in its comparison");

void Combine(std::uint64_t& seed, std::uint64_t value)
{
    seed = (seed ^ value) * 0x9e3779b97f4a7c15ULL;
    seed ^= seed >> 32;
}

std::uint64_t Bits(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

} // namespace

bool StampCache::Key::operator==(const Key& other) const
{
    return std::memcmp(this, &other, sizeof(Key)) == 0;
}

std::size_t StampCache::KeyHash::operator()(const Key& key) const
{
    // Only the fields a drawing sets: shapes have sizes, lines and polygons offsets.
    std::uint64_t seed = (static_cast<std::uint64_t>(key.kind) << 32) | key.colour;
    Combine(seed,
            (static_cast<std::uint64_t>(key.border) << 32) | static_cast<std::uint32_t>(key.pen));
    if (key.count == 0) {
        Combine(seed, Bits(key.width));
        Combine(seed, Bits(key.height) ^ (Bits(key.rotation) >> 1));
        Combine(seed, Bits(key.borderWidth) ^ (Bits(key.borderOpacity) >> 1));
    } else {
        const std::size_t used = std::min(static_cast<std::size_t>(key.count), key.coords.size());
        for (std::size_t i = 0; i < used; i += 4) {
            std::uint64_t packed = 0;
            std::memcpy(&packed, key.coords.data() + i, sizeof packed);
            Combine(seed, packed);
        }
    }
    return static_cast<std::size_t>(seed);
}

StampCache::StampCache(std::size_t limit) : limit_(std::max<std::size_t>(limit, 1)) {}

StampCache::Stamp& StampCache::Use(const Key& key)
{
    auto found = stamps_.find(key);
    if (found == stamps_.end()) {
        if (stamps_.size() >= limit_) {
            stamps_.clear();
        }
        found = stamps_.emplace(key, Stamp{}).first;
    }
    // Counting stops at two: a stamp is worth making from its second use on.
    if (found->second.uses < 2) {
        ++found->second.uses;
    }
    return found->second;
}

} // namespace fw
