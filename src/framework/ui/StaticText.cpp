#include "StaticText.h"

#include "Window.h"

#include <QLabel>

namespace fw {

StaticText::StaticText(Window& owner, const QString& name)
    : Control(owner, name, new QLabel(owner.ContentWidget())),
      label_(static_cast<QLabel*>(Widget()))
{
    label_->setTextFormat(Qt::PlainText);
}

QString StaticText::Text() const { return label_->text(); }

void StaticText::Text(const QString& text) { label_->setText(text); }

bool StaticText::ApplyProperty(const QString& name, const QVariant& value)
{
    if (IsProperty(name, "Text")) {
        Text(value.toString());
        return true;
    }
    if (IsProperty(name, "TextAlign")) {
        const int align = value.toInt();
        const Qt::Alignment horizontal = align == 2   ? Qt::AlignHCenter
                                         : align == 3 ? Qt::AlignRight
                                                      : Qt::AlignLeft;
        label_->setAlignment(horizontal | Qt::AlignVCenter);
        return true;
    }
    if (IsProperty(name, "TextColor")) {
        const Color color = ColorValue(value);
        QPalette palette = label_->palette();
        palette.setColor(QPalette::WindowText, QColor(color.Red(), color.Green(), color.Blue()));
        label_->setPalette(palette);
        return true;
    }
    if (IsProperty(name, "Multiline")) {
        label_->setWordWrap(value.toBool());
        return true;
    }
    return false;
}

} // namespace fw
