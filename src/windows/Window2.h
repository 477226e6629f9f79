#pragma once

#include "Window.h"

#include <memory>

namespace fw {
class Listbox;
}

/// @brief The code window: lists the loaded codes one per row. Choosing a row copies the code
/// to the clipboard and has the main window frame it; a Command-click clears the choice.
class Window2 : public fw::Window {
  public:
    /// @brief The list of codes, one row per loaded code.
    fw::Listbox& ListBox1() const;

  protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void CloseEvent() override;
    void EnableMenuItems() override;
    bool CancelClose(bool appQuitting) override;

  private:
    friend std::unique_ptr<Window2> std::make_unique<Window2>();
    Window2() = default;

    void ListBox1_Change();
    bool ListBox1_CellClick(int row, int column, int x, int y);

    bool FileOpen_Action();
    bool ViewShowIdentifiers_Action();
    bool ViewSy_Action();
    bool FileQuit_Action();
    bool WIndowCodeWindow_Action();
    bool WindowGlycanWindow_Action();
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor is named after its class on purpose
/// @brief The open code window; makes a new, empty one when none is open.
Window2& Window2();
#pragma GCC diagnostic pop
