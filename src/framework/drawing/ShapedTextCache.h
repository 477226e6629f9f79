#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>

class QPaintDevice;

namespace fw {

/// @brief The shaped glyphs of the texts one font draws again and again on one device.
///
/// Shaping a text for reuse costs more than drawing it once, so a text is shaped at its second
/// use; the first only notes it. The cache holds a bounded number of texts; when a new text
/// finds it full it starts again empty.
class ShapedTextCache {
  public:
    /// Glyphs placed on a line whose top is at y = 0.
    struct ShapedText {
        QList<QGlyphRun> runs;
        double ascent = 0.0;
    };

    /// A grid of repeated codes draws far fewer different texts.
    static constexpr qsizetype defaultLimit = 4096;

    /// @brief Texts of @p font laid out for @p device; at most @p limit of them (at least one).
    ShapedTextCache(const QFont& font, QPaintDevice* device, qsizetype limit = defaultLimit);

    /// @brief The glyphs of the single-line @p text, or null at its first use.
    ///
    /// The pointer stays valid until the next Use.
    const ShapedText* Use(const QString& text);

    /// @brief The number of texts held, shaped or only noted; never above the limit.
    qsizetype Size() const { return texts_.size(); }

  private:
    struct Entry {
        bool shaped = false;
        ShapedText glyphs;
    };

    QFont font_;
    QPaintDevice* device_;
    qsizetype limit_;
    QHash<QString, Entry> texts_;
};

} // namespace fw
