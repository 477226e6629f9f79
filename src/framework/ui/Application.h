#pragma once

#include "MenuHandlers.h"

#include <QString>

#include <functional>
#include <memory>

namespace fw {

class FolderItem;
class MenuBar;

/// @brief The application object: the program derives from it and overrides the events it
/// handles; an event without an override does nothing.
///
/// Register the one instance with RegisterAppObject. The framework then raises Open once
/// (before the first window's Open event, or when the event loop starts), OpenDocument for
/// every document the system asks to open (those named at launch right after Open, before
/// the first window's Open event), and Activate whenever the application comes to the front.
class Application {
  public:
    Application() = default;
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    virtual void Open() {}
    virtual void OpenDocument(std::shared_ptr<FolderItem> item) { (void)item; }
    virtual void Activate() {}

    std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
    /// @brief Sets the application's menu bar: the one shown by windows that have none of
    /// their own.
    void MenuBar(std::shared_ptr<fw::MenuBar> bar);

    /// @brief Binds a menu handler under an item Name (letter case does not count). It runs
    /// when the frontmost window has no handler for the item, or its handler returned False.
    void AddMenuHandler(const QString& name, std::function<bool()> handler);
    const MenuHandlers& Handlers() const { return handlers_; }

  private:
    std::shared_ptr<fw::MenuBar> menuBar_;
    MenuHandlers handlers_;
};

} // namespace fw
