#pragma once

#include "Color.h"
#include "Shapes.h"

#include <cstdint>
#include <string>
#include <vector>

/// @brief The drawing surface: exactly the operations the glycan drawings and the code grid use.
///
/// Coordinates are Int32 pixels with y growing downwards. Colour, pen width and font stay set
/// on a surface until the next setter. Texts are UTF-8.
class Graphics {
  public:
    virtual ~Graphics() = default;

    virtual void ForeColor(Color c) = 0;
    virtual void PenWidth(std::int32_t width) = 0;

    virtual void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
    virtual void DrawRect(std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height) = 0;
    /// Points: element 0 is unused, the vertices follow as x, y pairs from element 1.
    virtual void FillPolygon(const std::vector<std::int32_t>& points) = 0;
    virtual void DrawPolygon(const std::vector<std::int32_t>& points) = 0;
    /// Draws an OvalShape or RectShape centred on (x, y).
    virtual void DrawObject(const Shape& shape, std::int32_t x, std::int32_t y) = 0;

    /// Draws one line of text with its baseline at y.
    virtual void DrawString(const std::string& text, std::int32_t x, std::int32_t y,
                            std::int32_t wrapWidth = 0, bool condense = false) = 0;
    virtual double StringWidth(const std::string& text) = 0;
    virtual std::int32_t TextHeight() = 0;

    virtual void TextFont(const std::string& name) = 0;
    virtual void TextSize(float size) = 0;
    virtual void Bold(bool on) = 0;
    virtual void Italic(bool on) = 0;
};
