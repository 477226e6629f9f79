#include "WindowFrame.h"

#include "Window.h"
#include "WindowCanvas.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

namespace fw::detail {

WindowFrame::WindowFrame(Window& owner)
    : owner_(owner), layout_(new QVBoxLayout(this)), canvas_(new WindowCanvas(owner, this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    // The content area's minimum and maximum sizes bound the whole window.
    layout_->setSizeConstraint(QLayout::SetMinAndMaxSize);
    layout_->addWidget(canvas_);
}

void WindowFrame::SetMenuBar(QMenuBar* bar) { layout_->setMenuBar(bar); }

void WindowFrame::closeEvent(QCloseEvent* event) { event->setAccepted(owner_.runClose()); }

void WindowFrame::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        owner_.activated();
    }
}

} // namespace fw::detail
