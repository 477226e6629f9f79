#include "Control.h"

#include "Window.h"

#include <QApplication>
#include <QWidget>

namespace fw {

Control::Control(Window& owner, const QString& name, QWidget* widget)
    : owner_(owner), name_(name), widget_(widget)
{
    widget_->setObjectName(name);
    widget_->show();
}

Control::~Control() { delete widget_.data(); }

// cppcheck-suppress CastIntegerToAddressAtReturn ; QPointer converts to the pointer it holds
QWidget* Control::Widget() const { return widget_; }

bool Control::Enabled() const { return widget_->isEnabled(); }

void Control::Enabled(bool on) { widget_->setEnabled(on); }

bool Control::Visible() const { return !widget_->isHidden(); }

void Control::Visible(bool on) { widget_->setVisible(on); }

bool Control::owner_closed() const { return owner_.IsClosed(); }

void Control::ApplyProperties(const PropertyList& properties)
{
    for (const auto& property : properties) {
        if (!ApplyProperty(property.name, property.value)) {
            applyCommon(property.name, property.value);
        }
    }
}

bool Control::ApplyProperty(const QString& name, const QVariant& value)
{
    (void)name;
    (void)value;
    return false;
}

void Control::applyCommon(const QString& name, const QVariant& value)
{
    QRect geometry = widget_->geometry();
    QFont font = widget_->font();
    if (IsProperty(name, "Left")) {
        geometry.moveLeft(value.toInt());
        widget_->setGeometry(geometry);
    } else if (IsProperty(name, "Top")) {
        geometry.moveTop(value.toInt());
        widget_->setGeometry(geometry);
    } else if (IsProperty(name, "Width")) {
        geometry.setWidth(value.toInt());
        widget_->setGeometry(geometry);
    } else if (IsProperty(name, "Height")) {
        geometry.setHeight(value.toInt());
        widget_->setGeometry(geometry);
    } else if (IsProperty(name, "TextFont")) {
        const QString family = value.toString();
        const bool system = family.isEmpty() || IsProperty(family, "System");
        font.setFamily(system ? QApplication::font().family() : family);
        widget_->setFont(font);
    } else if (IsProperty(name, "TextSize")) {
        // Control text sizes are in pixels, as the drawing surface's are, so that a caption
        // fits the width its window was laid out for on any screen resolution.
        const double size = value.toDouble();
        if (size > 0) {
            font.setPixelSize(static_cast<int>(size + 0.5));
        } else {
            font.setPointSizeF(QApplication::font().pointSizeF());
        }
        widget_->setFont(font);
    } else if (IsProperty(name, "Bold")) {
        font.setBold(value.toBool());
        widget_->setFont(font);
    } else if (IsProperty(name, "Italic")) {
        font.setItalic(value.toBool());
        widget_->setFont(font);
    } else if (IsProperty(name, "Underline")) {
        font.setUnderline(value.toBool());
        widget_->setFont(font);
    } else if (IsProperty(name, "Enabled")) {
        Enabled(value.toBool());
    } else if (IsProperty(name, "Visible")) {
        Visible(value.toBool());
    } else if (IsProperty(name, "TabIndex")) {
        tabIndex_ = value.toInt();
        owner_.UpdateTabOrder();
    }
}

} // namespace fw
