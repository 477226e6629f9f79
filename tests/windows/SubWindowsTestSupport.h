#pragma once

#include "MenuBar1.h"
#include "MenuItem.h"
#include "Window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <stdexcept>

/// Helpers for the code window and symbol selector tests.
namespace subwindows {

/// Processes events until @p condition holds or @p timeoutMs pass; returns the condition.
template <class F> bool WaitFor(F condition, int timeoutMs = 2000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return condition();
}

/// Counts the paint events a window's content area receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(const fw::Window& window) : content_(window.ContentWidget())
    {
        QCoreApplication::processEvents(); // paints already pending do not count
        content_->installEventFilter(this);
    }
    ~PaintCounter() override
    {
        if (content_) {
            content_->removeEventFilter(this);
        }
    }

    int paints = 0;

    /// Whether a paint arrives within the time allowed.
    bool Repainted()
    {
        return WaitFor([this] { return paints > 0; });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<QWidget> content_;
};

/// The item of @p name in the program's menu bar.
inline fw::MenuItem& Item(const char* name)
{
    fw::MenuItem* item = MenuBar1().Lookup(QString::fromLatin1(name));
    if (item == nullptr) {
        throw std::logic_error(name);
    }
    return *item;
}

} // namespace subwindows
