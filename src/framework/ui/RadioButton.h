#pragma once

#include "Control.h"

#include <functional>

class QRadioButton;

namespace fw {

/// @brief A radio button. The radio buttons of one window exclude one another: turning one
/// on turns the others off. Action is raised when the user clicks the button, never when
/// Value is set. Properties: Caption (also Text), Value.
class RadioButton : public Control {
  public:
    RadioButton(Window& owner, const QString& name);

    std::function<void()> Action;

    QString Caption() const;
    void Caption(const QString& caption);
    bool Value() const;
    void Value(bool on);

  protected:
    bool ApplyProperty(const QString& name, const QVariant& value) override;

  private:
    QRadioButton* button_;
};

} // namespace fw
