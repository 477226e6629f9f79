#pragma once

#include <QWidget>

namespace fw {

class Window;

namespace detail {

/// @brief The content area of a Window: paints through the Paint event and reports mouse
/// presses and resizes to its Window.
class WindowCanvas : public QWidget {
    Q_OBJECT

  public:
    WindowCanvas(Window& owner, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Window& owner_;
};

} // namespace detail
} // namespace fw
