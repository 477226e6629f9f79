#pragma once

#include "Window.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class Graphics;

namespace fw {
class FolderItem;
class MenuItem;
class PrinterSetup;
class QuitMenuItem;
} // namespace fw

/// @brief The main window: owns the loaded codes and the display settings, draws the codes
/// as a grid of glycan cartoons and answers most menu commands. Closing it ends the program.
class Window1 : public fw::Window {
  public:
    ~Window1() override;

    /// @brief The loaded codes, indices 0 to 10000; entries 0 to T - 1 are in use.
    std::vector<QString> G;
    /// @brief How many entries of G are in use.
    std::int32_t T = 0;
    /// @brief The page set-up of the last File > "Page Setup...", null before the first.
    std::shared_ptr<fw::PrinterSetup> prSet;
    /// @brief The symbol set the grid is drawn in (1 CFG, 2 UOXF, 4 CFG greyscale).
    std::int32_t symbolSet = 1;
    /// @brief Whether each cell shows its code's text.
    bool showIDs = true;

    /// @brief The items of this window's menu bar, by Name; each raises NilObjectException
    /// when the window has no menu bar.
    fw::MenuItem& FileMenu() const;
    fw::MenuItem& FileNew() const;
    fw::MenuItem& FileClose() const;
    fw::MenuItem& UntitledSeparator1() const;
    fw::MenuItem& FileOpen() const;
    fw::MenuItem& FileSaveAs() const;
    fw::MenuItem& UntitledSeparator() const;
    fw::MenuItem& FilePageSetup() const;
    fw::MenuItem& PrintMenu() const;
    fw::QuitMenuItem& FileQuit() const;
    fw::MenuItem& EditMenu() const;
    fw::MenuItem& EditUndo() const;
    fw::MenuItem& UntitledMenu1() const;
    fw::MenuItem& EditCut() const;
    fw::MenuItem& EditCopy() const;
    fw::MenuItem& EditPaste() const;
    fw::MenuItem& EditClear() const;
    fw::MenuItem& UntitledMenu0() const;
    fw::MenuItem& EditSelectAll() const;
    fw::MenuItem& ViewMenu() const;
    fw::MenuItem& Invert() const;
    fw::MenuItem& ViewShowIdentifiers() const;
    fw::MenuItem& UntitledSeparator0() const;
    fw::MenuItem& ViewSy() const;
    fw::MenuItem& WindowMenu() const;
    fw::MenuItem& WindowGlycanwindow() const;
    fw::MenuItem& WindowCodewindow() const;

    /// @brief Loads the code file @p f, or asks for one with the Open dialog when @p f is
    /// null. A file that cannot be read is reported and changes nothing.
    void openTextFile(std::shared_ptr<fw::FolderItem> f);
    /// @brief Loads the companion program's code library from the folder @p prefs; false
    /// when there is no library there or it cannot be read.
    bool LoadWendrixPreferences(std::shared_ptr<fw::FolderItem> prefs);
    /// @brief Draws the code grid, laid out for this window's size, on @p g.
    void drawGraph(Graphics& g);
    /// @brief Prints the grid on one page, through the print dialog set up by @p ps.
    void printGraph(std::shared_ptr<fw::PrinterSetup> ps);

  protected:
    void Layout() override;
    void AddMenuHandlers() override;
    void Open() override;
    void Paint(Graphics& g) override;
    bool MouseDown(int x, int y) override;
    void EnableMenuItems() override;
    void Resized() override;
    void CloseEvent() override;
    bool CancelClose(bool appQuitting) override;

  private:
    friend std::unique_ptr<Window1> std::make_unique<Window1>();
    Window1();

    fw::MenuItem& menuItem(const char* name) const;

    /// The file openTextFile was last given or chose, read or not.
    std::shared_ptr<fw::FolderItem> lastFileRead_;

    bool PrintMenu_Action();
    bool FilePageSetup_Action();
    bool FileOpen_Action();
    bool ViewSy_Action();
    bool ViewShowIdentifiers_Action();
    bool FileQuit_Action();
    bool WindowCodewindow_Action();
    bool WindowGlycanwindow_Action();
    bool Invert_Action();
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor is named after its class on purpose
/// @brief The main window; makes it (and runs its first load) when none is open.
Window1& Window1();
#pragma GCC diagnostic pop
