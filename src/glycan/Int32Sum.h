#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Sums and differences of Int32 coordinates. Coordinates near the ends of the range would
// overflow; like Int32(e) they saturate instead, so a point far off the surface stays far
// off on the same side.

namespace Glycan {

namespace detail {
constexpr std::int32_t ClampToInt32(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
} // namespace detail

/// @brief a + b in Int32 arithmetic, saturating at the ends of the range.
constexpr std::int32_t AddInt32(std::int32_t a, std::int32_t b)
{
    return detail::ClampToInt32(std::int64_t{a} + std::int64_t{b});
}

/// @brief a − b in Int32 arithmetic, saturating at the ends of the range.
constexpr std::int32_t SubtractInt32(std::int32_t a, std::int32_t b)
{
    return detail::ClampToInt32(std::int64_t{a} - std::int64_t{b});
}

} // namespace Glycan
