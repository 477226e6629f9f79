#pragma once

#include "MenuBar.h"

#include <memory>

namespace fw {
class MenuItem;
}

/// @brief The program's one menu bar: File, Edit, View and Window.
class MenuBar1 : public fw::MenuBar {
  public:
    /// @brief Builds the whole menu tree.
    MenuBar1();

  private:
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();
};

/// @brief The one menu bar instance, built on first use.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor is named after its class on purpose
MenuBar1& MenuBar1();
#pragma GCC diagnostic pop
/// @brief The same instance as MenuBar1(), shared, for fw::Application::MenuBar and
/// fw::Window::MenuBar.
std::shared_ptr<class MenuBar1> MenuBar1Instance();
/// @brief Drops the program's reference to the menu bar at the end of the run; a later
/// MenuBar1() builds a new one.
void ReleaseMenuBar1();

/// @brief The items of these Names in the application's menu bar; each raises
/// NilObjectException when the application object, its menu bar or the item is missing.
fw::MenuItem& FileMenu();
fw::MenuItem& ViewMenu();
fw::MenuItem& WindowMenu();
fw::MenuItem& FileClose();
