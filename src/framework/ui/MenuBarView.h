#pragma once

#include "MenuItem.h"

#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace fw {

class MenuBar;
class Window;

/// @brief The Qt menu bar one window shows for a menu tree.
///
/// QMenus take the titles' Names as objectName, QActions the items' Names; shortcuts work
/// while the window is active. An action is enabled when its item, every item above it and
/// the bar are Enabled and the command would reach a handler in this window or the
/// application (a QuitMenuItem always does). Opening a menu prepares the window's menus first.
class MenuBarView : public MenuObserver {
  public:
    MenuBarView(Window& owner, std::shared_ptr<MenuBar> tree, QWidget* frame);
    ~MenuBarView() override;
    MenuBarView(const MenuBarView&) = delete;
    MenuBarView& operator=(const MenuBarView&) = delete;

    // cppcheck-suppress CastIntegerToAddressAtReturn ; QPointer converts to the pointer it holds
    QMenuBar* Bar() const { return bar_; }
    const std::shared_ptr<MenuBar>& Tree() const { return tree_; }
    /// @brief Brings captions, shortcuts and enabled states up to date.
    void Sync();
    void MenuChanged(bool structure) override;

  private:
    void build();
    void addItems(QMenu* menu, MenuItem& parent);

    Window& owner_;
    std::shared_ptr<MenuBar> tree_;
    QPointer<QMenuBar> bar_;
    std::vector<std::pair<MenuItem*, QPointer<QAction>>> actions_;
};

} // namespace fw
