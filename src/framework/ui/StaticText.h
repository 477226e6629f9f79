#pragma once

#include "Control.h"

class QLabel;

namespace fw {

/// @brief A line of text the user cannot change. Properties: Text, TextAlign (0 default, 1
/// left, 2 centre, 3 right), TextColor, Multiline.
class StaticText : public Control {
  public:
    StaticText(Window& owner, const QString& name);

    QString Text() const;
    void Text(const QString& text);

  protected:
    bool ApplyProperty(const QString& name, const QVariant& value) override;

  private:
    QLabel* label_;
};

} // namespace fw
