#include "ShapedTextCache.h"

#include <QTextLayout>

#include <algorithm>

namespace fw {

ShapedTextCache::ShapedTextCache(const QFont& font, QPaintDevice* device, qsizetype limit)
    : font_(font), device_(device), limit_(std::max<qsizetype>(limit, 1))
{
}

const ShapedTextCache::ShapedText* ShapedTextCache::Use(const QString& text)
{
    auto found = texts_.find(text);
    if (found == texts_.end()) {
        if (texts_.size() >= limit_) {
            texts_.clear();
        }
        texts_.insert(text, Entry{});
        return nullptr;
    }
    Entry& entry = *found;
    if (!entry.shaped) {
        QTextLayout layout(text, font_, device_);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        if (line.isValid()) {
            entry.glyphs.runs = layout.glyphRuns();
            entry.glyphs.ascent = line.ascent();
        }
        entry.shaped = true;
    }
    return &entry.glyphs;
}

} // namespace fw
