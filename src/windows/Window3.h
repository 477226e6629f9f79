#pragma once

#include "Window.h"

#include <memory>

namespace fw {
class RadioButton;
class StaticText;
} // namespace fw

/// @brief The symbol selector: three radio buttons that choose the symbol set in which the
/// main window draws its glycans.
class Window3 : public fw::Window {
  public:
    fw::StaticText& StaticText1() const;
    /// @brief "Consortium for Functional Glycomics (CFG)": symbol set 1.
    fw::RadioButton& RadioButton1() const;
    /// @brief "GlycoBase (UOXF)": symbol set 2.
    fw::RadioButton& RadioButton2() const;
    /// @brief "CFG (Greyscale)": symbol set 4.
    fw::RadioButton& RadioButton3() const;

  protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Open() override;
    void EnableMenuItems() override;
    void Activate() override;

  private:
    friend std::unique_ptr<Window3> std::make_unique<Window3>();
    Window3() = default;

    void RadioButton1_Action();
    void RadioButton2_Action();
    void RadioButton3_Action();

    bool FileClose_Action();
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor is named after its class on purpose
/// @brief The open symbol selector; makes a new one when none is open.
Window3& Window3();
#pragma GCC diagnostic pop
