#include "QPainterGraphics.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

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

QColor toQColor(Color c) { return QColor(c.Red(), c.Green(), c.Blue()); }

QPolygonF toPolygon(const std::vector<std::int32_t>& points, double offset)
{
    QPolygonF polygon;
    for (std::size_t i = 1; i + 1 < points.size(); i += 2) {
        polygon << QPointF(points[i] + offset, points[i + 1] + offset);
    }
    return polygon;
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
    }
}

QPainterGraphics::~QPainterGraphics()
{
    if (saved_ && painter_.isActive()) {
        painter_.restore();
    }
}

void QPainterGraphics::ForeColor(Color c) { color_ = toQColor(c); }

void QPainterGraphics::PenWidth(std::int32_t width) { penWidth_ = width; }

int QPainterGraphics::lineWidth() const { return std::clamp(penWidth_, 1, maxLineWidth); }

double QPainterGraphics::lineOffset() const { return lineWidth() % 2 == 1 ? 0.5 : 0.0; }

void QPainterGraphics::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    if (!painter_.isActive()) {
        return;
    }
    const double offset = lineOffset();
    painter_.setPen(QPen(color_, lineWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
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
        painter_.fillRect(QRectF(x, y, fullWidth, fullHeight), color_);
        return;
    }
    painter_.setPen(QPen(color_, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(x + w / 2.0, y + w / 2.0, fullWidth - w, fullHeight - w));
}

void QPainterGraphics::FillPolygon(const std::vector<std::int32_t>& points)
{
    const QPolygonF polygon = toPolygon(points, lineOffset());
    if (!painter_.isActive() || polygon.size() < 3) {
        return;
    }
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(color_);
    painter_.drawPolygon(polygon, Qt::WindingFill);
}

void QPainterGraphics::DrawPolygon(const std::vector<std::int32_t>& points)
{
    const QPolygonF polygon = toPolygon(points, lineOffset());
    if (!painter_.isActive() || polygon.size() < 2) {
        return;
    }
    painter_.setPen(QPen(color_, lineWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolygon(polygon);
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
    const double borderWidth = hasBorder ? std::min(shape.BorderWidth, maxBorderWidth) : 0.0;
    const bool rotated = shape.Rotation != 0.0 && std::isfinite(shape.Rotation);

    painter_.save();
    painter_.translate(x + 0.5, y + 0.5);
    if (rotated) {
        painter_.rotate(shape.Rotation * 180.0 / std::numbers::pi);
    }
    QRectF box(-width / 2.0, -height / 2.0, width, height);
    if (shape.kind == ShapeKind::Rect && !rotated) {
        const bool edgesOnCentres = hasBorder && std::lround(borderWidth) % 2 == 1;
        const double halfWidth = snappedHalf(width, edgesOnCentres);
        const double halfHeight = snappedHalf(height, edgesOnCentres);
        box = QRectF(-halfWidth, -halfHeight, 2.0 * halfWidth, 2.0 * halfHeight);
    }
    QColor border = toQColor(shape.BorderColor);
    border.setAlphaF(static_cast<float>(std::min(shape.Border, 100.0) / 100.0));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(toQColor(shape.FillColor));
    if (shape.kind == ShapeKind::Oval) {
        if (hasBorder) {
            painter_.setPen(QPen(border, borderWidth));
        }
        painter_.drawEllipse(box);
    } else {
        painter_.drawRect(box);
        if (hasBorder) {
            // The border as a filled frame: a stroked rectangle leaves its first corner
            // partly uncovered under antialiasing.
            const double half = borderWidth / 2.0;
            QPainterPath frame;
            frame.setFillRule(Qt::OddEvenFill);
            frame.addRect(box.adjusted(-half, -half, half, half));
            frame.addRect(box.adjusted(half, half, -half, -half));
            painter_.fillPath(frame, border);
        }
    }
    painter_.restore();
}

void QPainterGraphics::DrawString(const std::string& text, std::int32_t x, std::int32_t y,
                                  std::int32_t /*wrapWidth*/, bool /*condense*/)
{
    if (!painter_.isActive() || !textEnabled() || text.empty()) {
        return;
    }
    const std::size_t limit = visibleCharacterLimit(painter_, x, pixelSize_);
    if (limit == 0) {
        return;
    }
    painter_.setFont(Font());
    painter_.setPen(color_);
    painter_.drawText(QPointF(x, y), leadingCharacters(text, limit));
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
    return QFontMetrics(Font(), painter_.device()).height();
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

QFont QPainterGraphics::Font()
{
    if (!font_) {
        QFont font(family_);
        if (textEnabled()) {
            // A point size on the device's own resolution gives exactly pixelSize_ units,
            // fractions included (QFont::setPixelSize takes whole pixels only).
            const QPaintDevice* device = painter_.device();
            const int dpi =
                device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 72;
            font.setPointSizeF(pixelSize_ * 72.0 / dpi);
        }
        font.setBold(bold_);
        font.setItalic(italic_);
        // Unhinted advances keep text widths the same on screen and on paper.
        font.setHintingPreference(QFont::PreferVerticalHinting);
        font_ = font;
    }
    return *font_;
}

const QFontMetricsF& QPainterGraphics::metrics()
{
    if (!metrics_) {
        metrics_.emplace(Font(), painter_.device());
    }
    return *metrics_;
}

void QPainterGraphics::fontChanged()
{
    font_.reset();
    metrics_.reset();
}

} // namespace fw
