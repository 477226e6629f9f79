#pragma once

#include <cstdint>

/// @brief A 24-bit RGB colour; colours compare as whole values.
struct Color {
    std::uint32_t value = 0;

    constexpr int Red() const { return static_cast<int>((value >> 16) & 0xFF); }
    constexpr int Green() const { return static_cast<int>((value >> 8) & 0xFF); }
    constexpr int Blue() const { return static_cast<int>(value & 0xFF); }

    friend constexpr bool operator==(Color, Color) = default;
};

/// @brief Makes a colour from red, green and blue components; each is clamped to 0..255.
constexpr Color RGB(std::int32_t red, std::int32_t green, std::int32_t blue)
{
    auto clamp = [](std::int32_t v) -> std::uint32_t {
        return static_cast<std::uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
    };
    return Color{(clamp(red) << 16) | (clamp(green) << 8) | clamp(blue)};
}
