#include "WindowCanvas.h"

#include "Window.h"

#include <QMouseEvent>
#include <QPainter>

namespace fw::detail {

WindowCanvas::WindowCanvas(Window& owner, QWidget* parent) : QWidget(parent), owner_(owner)
{
    setObjectName(QStringLiteral("content"));
    setAutoFillBackground(true);
}

void WindowCanvas::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    owner_.paintContent(painter);
}

void WindowCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    owner_.mousePressed(at.x(), at.y());
}

void WindowCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    owner_.contentResized();
}

} // namespace fw::detail
