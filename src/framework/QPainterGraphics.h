#pragma once

#include "Graphics.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <optional>

class QPainter;

namespace fw {

/// @brief The drawing surface over a QPainter: one class for a window, an image and a page.
///
/// Units and geometry:
/// - One unit is one unit of the painter's coordinates: a pixel in a window or an image;
///   the printed page scales its painter so that one unit is 1/96 inch.
/// - The integer point (x, y) stands for the centre of pixel (x, y). Lines and outlines of an
///   odd width run through pixel centres and fills line up with them, so horizontal and
///   vertical edges stay one pixel sharp although antialiasing is on.
/// - PenWidth below 1 (0 included) draws lines one unit wide, the thinnest line that looks
///   the same on screen and on paper.
/// - DrawRect outlines the rectangle inside its bounds: the pen covers x .. x + width - 1.
/// - DrawObject centres the shape on (x, y). Fills have no stroke. A border is drawn only
///   when Border > 0, centred on the shape's edge, in BorderColor at Border percent opacity
///   and BorderWidth wide. Rotation turns the shape about its centre, in radians, clockwise
///   on screen.
/// - Polygons read the vertices as x, y pairs from element 1 on; element 0 and an unpaired
///   last element are ignored.
///
/// Text:
/// - TextSize is in units (pixels), not points, so a text has the same size relative to the
///   drawing on screen, in an image and on paper. A size that is not above 0 draws no text,
///   and its StringWidth and TextHeight are 0.
/// - TextFont names a family; fontconfig substitutes a metric-compatible face ("Arial" gives
///   Liberation Sans on Debian). The default family is the application font's.
/// - DrawString draws one line, never wrapped or condensed, starting at x with its baseline
///   at y. Only the characters that can reach the visible area are laid out, so an
///   enormous text costs no more than a screenful.
///
/// The surface saves the painter's state when it is made and restores it when destroyed.
/// Nothing is drawn, and text measures 0, while the painter is not active.
class QPainterGraphics : public Graphics {
  public:
    explicit QPainterGraphics(QPainter& painter);
    ~QPainterGraphics() override;
    QPainterGraphics(const QPainterGraphics&) = delete;
    QPainterGraphics& operator=(const QPainterGraphics&) = delete;

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

    /// @brief The font later text is drawn in, resolved for the painter's device.
    QFont Font();

  private:
    /// Width in units of later lines and outlines: at least 1.
    int lineWidth() const;
    /// Shift that puts lines of the current width on pixel centres.
    double lineOffset() const;
    bool textEnabled() const;
    const QFontMetricsF& metrics();
    void fontChanged();

    QPainter& painter_;
    bool saved_ = false;
    QColor color_{0, 0, 0};
    int penWidth_ = 1;
    QString family_;
    double pixelSize_ = 12.0;
    bool bold_ = false;
    bool italic_ = false;
    std::optional<QFont> font_;
    std::optional<QFontMetricsF> metrics_;
};

} // namespace fw
