#include "RecordingGraphics.h"

#include "Int32.h"

#include <charconv>

namespace {

template <typename Number> std::string shortest(Number value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string colorFields(Color c)
{
    return std::to_string(c.Red()) + " " + std::to_string(c.Green()) + " " +
           std::to_string(c.Blue());
}

std::string pointFields(const std::vector<std::int32_t>& points)
{
    std::string fields;
    for (std::size_t i = 1; i < points.size(); ++i) {
        fields += " " + std::to_string(points[i]);
    }
    return fields;
}

} // namespace

std::size_t codePointCount(const std::string& utf8)
{
    std::size_t count = 0;
    for (const char byte : utf8) {
        // Continuation bytes have the form 10xxxxxx.
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

void RecordingGraphics::ForeColor(Color c) { calls_.push_back("ForeColor " + colorFields(c)); }

void RecordingGraphics::PenWidth(std::int32_t width)
{
    calls_.push_back("PenWidth " + std::to_string(width));
}

void RecordingGraphics::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    calls_.push_back("DrawLine " + std::to_string(x1) + " " + std::to_string(y1) + " " +
                     std::to_string(x2) + " " + std::to_string(y2));
}

void RecordingGraphics::DrawRect(std::int32_t x, std::int32_t y, std::int32_t width,
                                 std::int32_t height)
{
    calls_.push_back("DrawRect " + std::to_string(x) + " " + std::to_string(y) + " " +
                     std::to_string(width) + " " + std::to_string(height));
}

void RecordingGraphics::FillPolygon(const std::vector<std::int32_t>& points)
{
    calls_.push_back("FillPolygon" + pointFields(points));
}

void RecordingGraphics::DrawPolygon(const std::vector<std::int32_t>& points)
{
    calls_.push_back("DrawPolygon" + pointFields(points));
}

void RecordingGraphics::DrawObject(const Shape& shape, std::int32_t x, std::int32_t y)
{
    const char* kind = shape.kind == ShapeKind::Oval ? "Oval" : "Rect";
    calls_.push_back(std::string("DrawObject ") + kind + " " + std::to_string(x) + " " +
                     std::to_string(y) + " " + shortest(shape.Width) + " " +
                     shortest(shape.Height) + " " + colorFields(shape.FillColor) + " " +
                     shortest(shape.Border) + " " + colorFields(shape.BorderColor) + " " +
                     shortest(shape.BorderWidth) + " " + shortest(shape.Rotation));
}

void RecordingGraphics::DrawString(const std::string& text, std::int32_t x, std::int32_t y,
                                   std::int32_t /*wrapWidth*/, bool /*condense*/)
{
    calls_.push_back("DrawString " + std::to_string(x) + " " + std::to_string(y) + " " + text);
}

double RecordingGraphics::StringWidth(const std::string& text)
{
    return 0.5 * static_cast<double>(textSize_) * static_cast<double>(codePointCount(text));
}

std::int32_t RecordingGraphics::TextHeight()
{
    return Int32(1.25 * static_cast<double>(textSize_));
}

void RecordingGraphics::TextFont(const std::string& name) { calls_.push_back("TextFont " + name); }

void RecordingGraphics::TextSize(float size)
{
    textSize_ = size;
    calls_.push_back("TextSize " + shortest(size));
}

void RecordingGraphics::Bold(bool on) { calls_.push_back(std::string("Bold ") + (on ? "1" : "0")); }

void RecordingGraphics::Italic(bool on)
{
    calls_.push_back(std::string("Italic ") + (on ? "1" : "0"));
}
