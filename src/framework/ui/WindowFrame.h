#pragma once

#include <QWidget>

class QMenuBar;
class QVBoxLayout;

namespace fw {

class Window;

namespace detail {

class WindowCanvas;

/// @brief The top-level widget of a Window: an optional menu bar above the content area.
/// Passes closing and activation on to its Window.
class WindowFrame : public QWidget {
    Q_OBJECT

  public:
    explicit WindowFrame(Window& owner);

    WindowCanvas* Canvas() const { return canvas_; }
    /// @brief Puts @p bar above the content area (nullptr: no menu bar).
    void SetMenuBar(QMenuBar* bar);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    Window& owner_;
    // cppcheck-suppress unsafeClassCanLeak ; the frame is the layout's Qt parent and deletes it
    QVBoxLayout* layout_;
    WindowCanvas* canvas_;
};

} // namespace detail
} // namespace fw
