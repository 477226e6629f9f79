#include "RadioButton.h"

#include "Window.h"

#include <QRadioButton>

namespace fw {

RadioButton::RadioButton(Window& owner, const QString& name)
    : Control(owner, name, new QRadioButton(owner.ContentWidget())),
      button_(static_cast<QRadioButton*>(Widget()))
{
    QObject::connect(button_, &QRadioButton::clicked, button_, [this] { RaiseEvent(Action); });
}

QString RadioButton::Caption() const { return button_->text(); }

void RadioButton::Caption(const QString& caption) { button_->setText(caption); }

bool RadioButton::Value() const { return button_->isChecked(); }

void RadioButton::Value(bool on)
{
    if (on || !button_->isChecked()) {
        button_->setChecked(on);
        return;
    }
    // An exclusive button refuses to turn itself off; lift the exclusion for that.
    button_->setAutoExclusive(false);
    button_->setChecked(false);
    button_->setAutoExclusive(true);
}

bool RadioButton::ApplyProperty(const QString& name, const QVariant& value)
{
    if (IsProperty(name, "Caption") || IsProperty(name, "Text")) {
        Caption(value.toString());
        return true;
    }
    if (IsProperty(name, "Value")) {
        Value(value.toBool());
        return true;
    }
    return false;
}

} // namespace fw
