#include "QPainterGraphics.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fw {

namespace {

// Beyond these sizes nothing visible changes, and the font and stroke engines stay fast.
constexpr double maxPixelSize = 10000.0;
constexpr int maxLineWidth = 100000;
constexpr double maxBorderWidth = 100000.0;
// No glyph of a text face advances by less than this fraction of the font size; zero-width
// marks aside. It bounds how many characters can reach the visible area.
constexpr double minAdvancePerSize = 0.1;
constexpr std::size_t maxVisibleCharacters = 1'000'000;

// Fonts a surface keeps ready; text mode switches between a few per structure.
constexpr std::size_t maxFonts = 16;
// Texts up to this many bytes are drawn whole: clipping them costs less than bounding them.
constexpr std::size_t shortText = 256;
// Polygons of up to this many vertices (the star has ten) are stamped.
constexpr std::size_t maxStampVertices = 10;

enum StampKind : std::uint32_t { OvalStamp = 1, RectStamp, LineStamp, FillStamp, OutlineStamp };
// Added to the kind when the painter antialiases.
constexpr std::uint32_t antialiasedStamp = 0x100;

QColor toQColor(Color c) { return QColor(c.Red(), c.Green(), c.Blue()); }

/// Number of x, y pairs in a point array whose element 0 is unused.
std::size_t VertexCount(const std::vector<std::int32_t>& points)
{
    return points.empty() ? 0 : (points.size() - 1) / 2;
}

bool WholeNumber(double value)
{
    constexpr double limit = 1e15;
    return value > -limit && value < limit &&
           value == static_cast<double>(static_cast<std::int64_t>(value));
}

bool WholePixelTranslation(const QTransform& transform)
{
    return transform.type() <= QTransform::TxTranslate && WholeNumber(transform.dx()) &&
           WholeNumber(transform.dy());
}

/// Whether composing a premultiplied stamp over this device gives the pixels of drawing on it
/// (to rounding where a drawing overlaps itself).
bool StampableDevice(const QPaintDevice* device)
{
    if (device == nullptr || device->devType() != QInternal::Image) {
        return device != nullptr; // widgets and pixmaps of the raster engine
    }
    const QImage::Format format = static_cast<const QImage*>(device)->format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

/// The whole pixels, relative to an anchor, that can receive ink from a drawing within
/// @p reach of the box from (left, top) to (right, bottom).
QRect ReachBounds(double left, double top, double right, double bottom, double reach)
{
    return QRect(QPoint(static_cast<int>(std::floor(left - reach)),
                        static_cast<int>(std::floor(top - reach))),
                 QPoint(static_cast<int>(std::ceil(right + reach)),
                        static_cast<int>(std::ceil(bottom + reach))));
}

/// The smallest rectangle that holds every pixel of @p image that is not fully transparent.
QRect InkBounds(const QImage& image)
{
    int left = image.width();
    int right = -1;
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

/// Point differences that fit a stamp; larger or overflowing ones do not.
std::optional<std::int32_t> SmallDifference(std::int32_t a, std::int32_t b)
{
    const std::int64_t difference = static_cast<std::int64_t>(a) - b;
    if (difference < -StampCache::maxSide || difference > StampCache::maxSide) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(difference);
}

/// Half of a rectangle side, relative to a pixel centre, chosen so that the edges fall on
/// pixel centres (for an odd border width) or on pixel boundaries (otherwise).
double snappedHalf(double side, bool edgesOnCentres)
{
    return edgesOnCentres ? std::round(side / 2.0) : std::floor(side / 2.0) + 0.5;
}

/// The most characters of a text drawn from x that can reach the visible area.
std::size_t visibleCharacterLimit(const QPainter& painter, double x, double pixelSize)
{
    const QPaintDevice* device = painter.device();
    if (device->width() <= 0 || device->height() <= 0) {
        // A device without a fixed size, such as a QPicture: no bound but the largest.
        return maxVisibleCharacters;
    }
    QRectF visible = painter.combinedTransform().inverted().mapRect(
        QRectF(0, 0, device->width(), device->height()));
    if (painter.hasClipping()) {
        visible = visible.intersected(painter.clipBoundingRect());
    }
    // A glyph may hang left of its origin by a fraction of the size.
    const double room = visible.right() - x + pixelSize;
    if (!(room > 0.0)) {
        return 0;
    }
    const double limit = std::ceil(room / (minAdvancePerSize * pixelSize)) + 1.0;
    return limit >= static_cast<double>(maxVisibleCharacters) ? maxVisibleCharacters
                                                              : static_cast<std::size_t>(limit);
}

/// Whether a text lies on one line as drawText lays it out, so its shaped glyphs can stand in.
bool SingleLine(const QString& text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

/// At most @p maxChars characters from the start of a UTF-8 text, decoded.
QString leadingCharacters(const std::string& text, std::size_t maxChars)
{
    // A character takes at least one byte, so a short text needs no cut.
    if (text.size() <= maxChars) {
        return QString::fromStdString(text);
    }
    std::size_t bytes = std::min(text.size(), maxChars * 4);
    // Do not split a multi-byte sequence: back up over at most three continuation bytes.
    for (int step = 0; step < 3 && bytes > 0 && bytes < text.size() &&
                       (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80;
         ++step) {
        --bytes;
    }
    QString prefix = QString::fromUtf8(text.data(), static_cast<qsizetype>(bytes));
    if (prefix.size() > static_cast<qsizetype>(maxChars)) {
        prefix.truncate(static_cast<qsizetype>(maxChars));
        if (!prefix.isEmpty() && prefix.back().isHighSurrogate()) {
            prefix.chop(1);
        }
    }
    return prefix;
}

} // namespace

QPainterGraphics::QPainterGraphics(QPainter& painter) : painter_(painter), family_(QFont().family())
{
    if (painter_.isActive()) {
        painter_.save();
        saved_ = true;
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        const QPaintEngine* engine = painter_.paintEngine();
        raster_ = engine != nullptr && engine->type() == QPaintEngine::Raster &&
                  StampableDevice(painter_.device());
    }
}

QPainterGraphics::~QPainterGraphics()
{
    if (saved_ && painter_.isActive()) {
        painter_.restore();
    }
}

void QPainterGraphics::ForeColor(Color c)
{
    if (c == colour_) {
        return;
    }
    colour_ = c;
    color_ = toQColor(c);
    strokePen_.reset();
    fillBrush_.reset();
    textPen_.reset();
}

void QPainterGraphics::PenWidth(std::int32_t width)
{
    if (width == penWidth_) {
        return;
    }
    penWidth_ = width;
    strokePen_.reset();
}

int QPainterGraphics::lineWidth() const { return std::clamp(penWidth_, 1, maxLineWidth); }

double QPainterGraphics::lineOffset() const { return lineWidth() % 2 == 1 ? 0.5 : 0.0; }

const QPen& QPainterGraphics::strokePen()
{
    if (!strokePen_) {
        strokePen_.emplace(color_, lineWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    }
    return *strokePen_;
}

const QBrush& QPainterGraphics::fillBrush()
{
    if (!fillBrush_) {
        fillBrush_.emplace(color_);
    }
    return *fillBrush_;
}

const QPen& QPainterGraphics::textPen()
{
    if (!textPen_) {
        textPen_.emplace(color_);
    }
    return *textPen_;
}

bool QPainterGraphics::stampable() const
{
    return raster_ && painter_.compositionMode() == QPainter::CompositionMode_SourceOver &&
           WholePixelTranslation(painter_.deviceTransform());
}

template <class Bounds, class Paint>
bool QPainterGraphics::drawStamp(StampCache::Key& key, std::int32_t x, std::int32_t y,
                                 const Bounds& bounds, const Paint& paint)
{
    const QPainter::RenderHints hints = painter_.renderHints();
    if (hints.testFlag(QPainter::Antialiasing)) {
        key.kind |= antialiasedStamp;
    }
    StampCache::Stamp& stamp = stamps_.Use(key);
    if (stamp.uses < 2 || stamp.direct) {
        return false;
    }
    if (stamp.image.isNull() && !stamp.empty) {
        const QRect area = bounds();
        if (area.width() > StampCache::maxSide || area.height() > StampCache::maxSide) {
            stamp.direct = true;
            return false;
        }
        QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter stampPainter(&image);
        stampPainter.setRenderHints(hints);
        stampPainter.translate(-area.left(), -area.top());
        paint(stampPainter);
        stampPainter.end();
        // Composing transparent pixels costs as much as composing ink: keep only the ink.
        const QRect ink = InkBounds(image);
        if (ink.isEmpty()) {
            stamp.empty = true;
            return true;
        }
        stamp.image = image.copy(ink);
        stamp.offset = area.topLeft() + ink.topLeft();
    }
    if (stamp.empty) {
        return true;
    }
    painter_.drawImage(QPointF(static_cast<double>(x) + stamp.offset.x(),
                               static_cast<double>(y) + stamp.offset.y()),
                       stamp.image);
    return true;
}

void QPainterGraphics::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    if (!painter_.isActive()) {
        return;
    }
    const double offset = lineOffset();
    const QPen& pen = strokePen();
    const auto dx = SmallDifference(x2, x1);
    const auto dy = SmallDifference(y2, y1);
    if (dx && dy && stampable()) {
        StampCache::Key key;
        key.kind = LineStamp;
        key.colour = color_.rgb();
        key.pen = lineWidth();
        key.count = 2;
        key.coords[0] = static_cast<std::int16_t>(*dx);
        key.coords[1] = static_cast<std::int16_t>(*dy);
        // Square caps and their corners reach at most the pen width past an end.
        const auto bounds = [&] {
            return ReachBounds(std::min(0, *dx) + offset, std::min(0, *dy) + offset,
                               std::max(0, *dx) + offset, std::max(0, *dy) + offset,
                               lineWidth() + 1.0);
        };
        const auto paint = [&](QPainter& p) {
            p.setPen(pen);
            p.drawLine(QPointF(offset, offset), QPointF(*dx + offset, *dy + offset));
        };
        if (drawStamp(key, x1, y1, bounds, paint)) {
            return;
        }
    }
    painter_.setPen(pen);
    painter_.drawLine(QPointF(x1 + offset, y1 + offset), QPointF(x2 + offset, y2 + offset));
}

void QPainterGraphics::DrawRect(std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height)
{
    if (!painter_.isActive() || width <= 0 || height <= 0) {
        return;
    }
    const double w = lineWidth();
    const double fullWidth = width;
    const double fullHeight = height;
    if (fullWidth <= w || fullHeight <= w) {
        // The pen covers the whole rectangle.
        painter_.fillRect(QRectF(x, y, fullWidth, fullHeight), fillBrush());
        return;
    }
    painter_.setPen(strokePen());
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(x + w / 2.0, y + w / 2.0, fullWidth - w, fullHeight - w));
}

void QPainterGraphics::loadPolygon(const std::vector<std::int32_t>& points, double originX,
                                   double originY)
{
    const double offset = lineOffset();
    const std::size_t count = VertexCount(points);
    polygon_.resize(static_cast<qsizetype>(count));
    for (std::size_t k = 0; k < count; ++k) {
        polygon_[static_cast<qsizetype>(k)] =
            QPointF(points[2 * k + 1] - originX + offset, points[2 * k + 2] - originY + offset);
    }
}

namespace {

/// The key of a polygon stamp and the box of its vertices relative to the first one, or
/// nothing when the polygon is too large or has too many vertices for a stamp.
std::optional<std::pair<StampCache::Key, QRectF>>
PolygonStamp(const std::vector<std::int32_t>& points, std::uint32_t kind)
{
    const std::size_t count = VertexCount(points);
    if (count > maxStampVertices) {
        return std::nullopt;
    }
    StampCache::Key key;
    key.kind = kind;
    key.count = static_cast<std::int32_t>(2 * count);
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const auto dx = SmallDifference(points[2 * k + 1], points[1]);
        const auto dy = SmallDifference(points[2 * k + 2], points[2]);
        if (!dx || !dy) {
            return std::nullopt;
        }
        key.coords[2 * k] = static_cast<std::int16_t>(*dx);
        key.coords[2 * k + 1] = static_cast<std::int16_t>(*dy);
        left = std::min(left, *dx);
        right = std::max(right, *dx);
        top = std::min(top, *dy);
        bottom = std::max(bottom, *dy);
    }
    return std::pair{key, QRectF(QPointF(left, top), QPointF(right, bottom))};
}

} // namespace

void QPainterGraphics::FillPolygon(const std::vector<std::int32_t>& points)
{
    if (!painter_.isActive() || VertexCount(points) < 3) {
        return;
    }
    const QBrush& brush = fillBrush();
    if (stampable()) {
        if (auto stamp = PolygonStamp(points, FillStamp)) {
            // Plain references: clang before 16 cannot capture structured bindings in lambdas.
            auto& key = stamp->first;
            const auto& box = stamp->second;
            key.colour = color_.rgb();
            // The fill follows the outline onto pixel centres.
            key.pen = lineWidth() % 2;
            const double offset = lineOffset();
            const auto bounds = [&] {
                return ReachBounds(box.left() + offset, box.top() + offset, box.right() + offset,
                                   box.bottom() + offset, 1.0);
            };
            const auto paint = [&](QPainter& p) {
                loadPolygon(points, points[1], points[2]);
                p.setPen(Qt::NoPen);
                p.setBrush(brush);
                p.drawPolygon(polygon_, Qt::WindingFill);
            };
            if (drawStamp(key, points[1], points[2], bounds, paint)) {
                return;
            }
        }
    }
    loadPolygon(points, 0.0, 0.0);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(brush);
    painter_.drawPolygon(polygon_, Qt::WindingFill);
}

void QPainterGraphics::DrawPolygon(const std::vector<std::int32_t>& points)
{
    if (!painter_.isActive() || VertexCount(points) < 2) {
        return;
    }
    const QPen& pen = strokePen();
    if (stampable()) {
        if (auto stamp = PolygonStamp(points, OutlineStamp)) {
            // Plain references: clang before 16 cannot capture structured bindings in lambdas.
            auto& key = stamp->first;
            const auto& box = stamp->second;
            key.colour = color_.rgb();
            key.pen = lineWidth();
            const double offset = lineOffset();
            // A miter join reaches at most twice the pen width past its vertex.
            const auto bounds = [&] {
                return ReachBounds(box.left() + offset, box.top() + offset, box.right() + offset,
                                   box.bottom() + offset, 2.0 * lineWidth() + 1.0);
            };
            const auto paint = [&](QPainter& p) {
                loadPolygon(points, points[1], points[2]);
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawPolygon(polygon_);
            };
            if (drawStamp(key, points[1], points[2], bounds, paint)) {
                return;
            }
        }
    }
    loadPolygon(points, 0.0, 0.0);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolygon(polygon_);
}

void QPainterGraphics::DrawObject(const Shape& shape, std::int32_t x, std::int32_t y)
{
    const double width = shape.Width;
    const double height = shape.Height;
    if (!painter_.isActive() || !(width > 0.0) || !(height > 0.0) || !std::isfinite(width) ||
        !std::isfinite(height)) {
        return;
    }
    const bool hasBorder = shape.Border > 0.0 && shape.BorderWidth > 0.0;
    constexpr double stampSide = StampCache::maxSide;
    if (width <= stampSide && height <= stampSide &&
        (!hasBorder || shape.BorderWidth <= stampSide) && stampable()) {
        const bool rotated = shape.Rotation != 0.0 && std::isfinite(shape.Rotation);
        StampCache::Key key;
        key.kind = shape.kind == ShapeKind::Oval ? OvalStamp : RectStamp;
        key.colour = shape.FillColor.value;
        key.width = StampCache::Key::Value(width);
        key.height = StampCache::Key::Value(height);
        if (hasBorder) {
            key.border = shape.BorderColor.value;
            key.borderWidth = StampCache::Key::Value(shape.BorderWidth);
            key.borderOpacity = StampCache::Key::Value(std::min(shape.Border, 100.0));
        }
        key.rotation = rotated ? StampCache::Key::Value(shape.Rotation) : 0.0;
        const auto bounds = [&] {
            // Edge snapping moves a rectangle's edges by less than a unit.
            const double reach = key.borderWidth / 2.0 + 2.0;
            const double halfWidth = rotated ? std::hypot(width, height) / 2.0 : width / 2.0;
            const double halfHeight = rotated ? halfWidth : height / 2.0;
            return ReachBounds(0.5 - halfWidth, 0.5 - halfHeight, 0.5 + halfWidth, 0.5 + halfHeight,
                               reach);
        };
        const auto paint = [&](QPainter& p) { paintObject(p, shape, 0.5, 0.5); };
        if (drawStamp(key, x, y, bounds, paint)) {
            return;
        }
    }
    paintObject(painter_, shape, x + 0.5, y + 0.5);
}

void QPainterGraphics::paintObject(QPainter& painter, const Shape& shape, double centreX,
                                   double centreY) const
{
    const double width = shape.Width;
    const double height = shape.Height;
    const bool hasBorder = shape.Border > 0.0 && shape.BorderWidth > 0.0;
    const double borderWidth = hasBorder ? std::min(shape.BorderWidth, maxBorderWidth) : 0.0;
    const bool rotated = shape.Rotation != 0.0 && std::isfinite(shape.Rotation);

    if (rotated) {
        painter.save();
        painter.translate(centreX, centreY);
        painter.rotate(shape.Rotation * 180.0 / std::numbers::pi);
        centreX = 0.0;
        centreY = 0.0;
    }
    QRectF box(centreX - width / 2.0, centreY - height / 2.0, width, height);
    if (shape.kind == ShapeKind::Rect && !rotated) {
        const bool edgesOnCentres = hasBorder && std::lround(borderWidth) % 2 == 1;
        const double halfWidth = snappedHalf(width, edgesOnCentres);
        const double halfHeight = snappedHalf(height, edgesOnCentres);
        box = QRectF(centreX - halfWidth, centreY - halfHeight, 2.0 * halfWidth, 2.0 * halfHeight);
    }
    QColor border = toQColor(shape.BorderColor);
    border.setAlphaF(static_cast<float>(std::min(shape.Border, 100.0) / 100.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(shape.FillColor));
    if (shape.kind == ShapeKind::Oval) {
        if (hasBorder) {
            painter.setPen(QPen(border, borderWidth));
        }
        painter.drawEllipse(box);
    } else {
        painter.drawRect(box);
        if (hasBorder) {
            // The border as a filled frame: a stroked rectangle leaves its first corner
            // partly uncovered under antialiasing.
            // A border at least as wide as the rectangle covers it whole.
            const double half = borderWidth / 2.0;
            const QRectF inner = box.adjusted(half, half, -half, -half);
            QPainterPath frame;
            frame.setFillRule(Qt::OddEvenFill);
            frame.addRect(box.adjusted(-half, -half, half, half));
            if (inner.width() > 0.0 && inner.height() > 0.0) {
                frame.addRect(inner);
            }
            painter.fillPath(frame, border);
        }
    }
    if (rotated) {
        painter.restore();
    }
}

void QPainterGraphics::DrawString(const std::string& text, std::int32_t x, std::int32_t y,
                                  std::int32_t /*wrapWidth*/, bool /*condense*/)
{
    if (!painter_.isActive() || !textEnabled() || text.empty()) {
        return;
    }
    QString shown;
    if (text.size() <= shortText) {
        shown = QString::fromStdString(text);
    } else {
        const std::size_t limit = visibleCharacterLimit(painter_, x, pixelSize_);
        if (limit == 0) {
            return;
        }
        shown = leadingCharacters(text, limit);
    }
    if (stampable() && shown.size() <= static_cast<qsizetype>(shortText) && SingleLine(shown)) {
        if (const ShapedTextCache::ShapedText* glyphs = font().texts.Use(shown)) {
            painter_.setPen(textPen());
            for (const QGlyphRun& run : glyphs->runs) {
                painter_.drawGlyphRun(QPointF(x, y - glyphs->ascent), run);
            }
            return;
        }
    }
    const FontEntry& entry = font();
    if (painterFont_ != currentFont_) {
        painter_.setFont(entry.font);
        painterFont_ = currentFont_;
    }
    painter_.setPen(textPen());
    painter_.drawText(QPointF(x, y), shown);
}

double QPainterGraphics::StringWidth(const std::string& text)
{
    if (!painter_.isActive() || !textEnabled()) {
        return 0.0;
    }
    return metrics().horizontalAdvance(QString::fromStdString(text));
}

std::int32_t QPainterGraphics::TextHeight()
{
    if (!painter_.isActive() || !textEnabled()) {
        return 0;
    }
    FontEntry& entry = font();
    if (!entry.height) {
        entry.height = QFontMetrics(entry.font, painter_.device()).height();
    }
    return *entry.height;
}

void QPainterGraphics::TextFont(const std::string& name)
{
    family_ = name.empty() ? QFont().family() : QString::fromStdString(name);
    fontChanged();
}

void QPainterGraphics::TextSize(float size)
{
    const double pixels = size;
    pixelSize_ = pixels > 0.0 ? std::min(pixels, maxPixelSize) : 0.0;
    fontChanged();
}

void QPainterGraphics::Bold(bool on)
{
    bold_ = on;
    fontChanged();
}

void QPainterGraphics::Italic(bool on)
{
    italic_ = on;
    fontChanged();
}

bool QPainterGraphics::textEnabled() const { return pixelSize_ > 0.0; }

QFont QPainterGraphics::Font() { return font().font; }

QPainterGraphics::FontEntry& QPainterGraphics::font()
{
    if (currentFont_ >= 0) {
        return fonts_[static_cast<std::size_t>(currentFont_)];
    }
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        const FontEntry& entry = fonts_[i];
        if (entry.pixelSize == pixelSize_ && entry.bold == bold_ && entry.italic == italic_ &&
            entry.family == family_) {
            currentFont_ = static_cast<int>(i);
            return fonts_[i];
        }
    }
    if (fonts_.size() >= maxFonts) {
        fonts_.clear();
        painterFont_ = -1;
    }
    QFont font(family_);
    if (textEnabled()) {
        // A point size on the device's own resolution gives exactly pixelSize_ units,
        // fractions included (QFont::setPixelSize takes whole pixels only).
        const QPaintDevice* device = painter_.device();
        const int dpi = device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 72;
        font.setPointSizeF(pixelSize_ * 72.0 / dpi);
    }
    font.setBold(bold_);
    font.setItalic(italic_);
    // Unhinted advances keep text widths the same on screen and on paper.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    fonts_.push_back(FontEntry{.family = family_,
                               .pixelSize = pixelSize_,
                               .bold = bold_,
                               .italic = italic_,
                               .font = font,
                               .metrics = std::nullopt,
                               .height = std::nullopt,
                               .texts = ShapedTextCache(font, painter_.device())});
    currentFont_ = static_cast<int>(fonts_.size() - 1);
    return fonts_.back();
}

const QFontMetricsF& QPainterGraphics::metrics()
{
    FontEntry& entry = font();
    if (!entry.metrics) {
        entry.metrics.emplace(entry.font, painter_.device());
    }
    return *entry.metrics;
}

void QPainterGraphics::fontChanged() { currentFont_ = -1; }

} // namespace fw
