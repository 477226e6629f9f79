#pragma once

#include "Graphics.h"

#include <string>
#include <vector>

/// @brief A surface that draws nothing and records every call as one line of text.
///
/// Its font metrics are fixed so that text layouts are exact: StringWidth(t) is
/// 0.5 × TextSize × (code points of t) and TextHeight is Int32(1.25 × TextSize).
/// Reads (StringWidth, TextHeight) are not recorded.
class RecordingGraphics : public Graphics {
  public:
    void ForeColor(Color c) override;
    void PenWidth(std::int32_t width) override;
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void DrawRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override;
    void FillPolygon(const std::vector<std::int32_t>& points) override;
    void DrawPolygon(const std::vector<std::int32_t>& points) override;
    void DrawObject(const Shape& shape, std::int32_t x, std::int32_t y) override;
    void DrawString(const std::string& text, std::int32_t x, std::int32_t y,
                    std::int32_t wrapWidth = 0, bool condense = false) override;
    double StringWidth(const std::string& text) override;
    std::int32_t TextHeight() override;
    void TextFont(const std::string& name) override;
    void TextSize(float size) override;
    void Bold(bool on) override;
    void Italic(bool on) override;

    const std::vector<std::string>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

  private:
    std::vector<std::string> calls_;
    float textSize_ = 12.0f;
};

/// @brief Number of Unicode code points in a UTF-8 string.
std::size_t codePointCount(const std::string& utf8);
