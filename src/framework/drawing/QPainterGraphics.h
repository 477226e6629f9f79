#pragma once

#include "Graphics.h"

#include "ShapedTextCache.h"
#include "StampCache.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QPolygonF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;
class QRect;

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
/// Speed: a drawing repeats the same small symbols, lines and texts thousands of times. On a
/// raster device under a whole-pixel translation, a small shape, line or polygon drawn a
/// second time is composed from the pixels of its first rendering (StampCache), and a text
/// drawn a second time keeps its shaped glyphs for reuse; both give the same pixels as
/// drawing anew.
/// Elsewhere (a printed page, a scaled painter) every call draws vector geometry and text.
/// Pens, brushes and fonts are made only when they change.
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
    /// A font the surface has used, with its measures once asked for and the texts it drew.
    struct FontEntry {
        QString family;
        double pixelSize = 0.0;
        bool bold = false;
        bool italic = false;
        QFont font;
        std::optional<QFontMetricsF> metrics;
        std::optional<int> height;
        ShapedTextCache texts;
    };

    /// Width in units of later lines and outlines: at least 1.
    int lineWidth() const;
    /// Shift that puts lines of the current width on pixel centres.
    double lineOffset() const;
    const QPen& strokePen();
    const QBrush& fillBrush();
    const QPen& textPen();
    bool textEnabled() const;
    FontEntry& font();
    const QFontMetricsF& metrics();
    void fontChanged();

    /// Whether drawings may be composed from stamps on this painter right now.
    bool stampable() const;
    /// Composes the stamp of @p key with its anchor at (x, y), rendering it first with
    /// @p paint (which draws with the anchor at the origin) inside the pixels that @p bounds
    /// gives, relative to the anchor. False when the caller has to draw directly: a key's
    /// first use, or a drawing too large for a stamp.
    template <class Bounds, class Paint>
    bool drawStamp(StampCache::Key& key, std::int32_t x, std::int32_t y, const Bounds& bounds,
                   const Paint& paint);
    /// Fills polygon_ with the vertices of @p points less (originX, originY), shifted onto
    /// pixel centres for the current line width.
    void loadPolygon(const std::vector<std::int32_t>& points, double originX, double originY);
    void paintObject(QPainter& painter, const Shape& shape, double centreX, double centreY) const;

    QPainter& painter_;
    bool saved_ = false;
    bool raster_ = false;
    Color colour_ = RGB(0, 0, 0);
    QColor color_{0, 0, 0};
    int penWidth_ = 1;
    std::optional<QPen> strokePen_;
    std::optional<QBrush> fillBrush_;
    std::optional<QPen> textPen_;
    QPolygonF polygon_;
    StampCache stamps_;

    QString family_;
    double pixelSize_ = 12.0;
    bool bold_ = false;
    bool italic_ = false;
    std::vector<FontEntry> fonts_;
    /// Index in fonts_ of the font for the current settings, and of the painter's font.
    int currentFont_ = -1;
    int painterFont_ = -1;
};

} // namespace fw
