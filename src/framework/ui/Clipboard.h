#pragma once

#include <QString>

namespace fw {

/// @brief The system clipboard's plain text. Setting the text publishes it at once, so
/// Close (kept for callers that close the object) is not needed for that.
class Clipboard {
  public:
    /// @brief The clipboard's current plain text.
    QString Text() const;
    void Text(const QString& text);
    void SetText(const QString& text);
    void Close() {}
};

} // namespace fw
