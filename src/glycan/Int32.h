#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

/// @brief Converts a Double to Int32 by truncating toward zero.
///
/// Truncation is what the grid's hit test relies on: a point maps to the cell that
/// contains it. Values beyond the Int32 range saturate and NaN gives 0, so no input
/// can make the conversion undefined.
constexpr std::int32_t Int32(double e)
{
    if (std::isnan(e)) {
        return 0;
    }
    if (e >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (e <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(e);
}
