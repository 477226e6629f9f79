#include "Window3.h"

#include "Glycan.h"
#include "MenuBar1.h"
#include "MenuItem.h"
#include "RadioButton.h"
#include "StaticText.h"
#include "Window1.h"
#include "WindowAccessor.h"

namespace {

// The design-time properties the label and the three buttons share, with their position.
fw::PropertyList controlProperties(int left, int top, int width, int height, int tabIndex)
{
    return {
        {"Index", QVariant()},    {"Left", left},         {"Top", top},
        {"Width", width},         {"Height", height},     {"LockLeft", false},
        {"LockTop", false},       {"LockRight", false},   {"LockBottom", false},
        {"TabPanelIndex", 0},     {"TabIndex", tabIndex}, {"Visible", true},
        {"AutoDeactivate", true}, {"Enabled", true},      {"TextFont", "Arial"},
        {"Bold", false},          {"Italic", false},      {"Underline", false},
        {"InitialParent", ""},
    };
}

fw::PropertyList labelProperties()
{
    fw::PropertyList properties = controlProperties(34, 14, 179, 20, 0);
    properties.insert(properties.end(), {
                                            {"Text", "Select sugar symbol set:"},
                                            {"TextAlign", 0},
                                            {"TextColor", RGB(0, 0, 0)},
                                            {"Multiline", false},
                                            {"HelpTag", ""},
                                            {"DataSource", ""},
                                            {"DataField", ""},
                                        });
    return properties;
}

fw::PropertyList radioProperties(const char* caption, int top, int width, int tabIndex)
{
    fw::PropertyList properties = controlProperties(34, top, width, 20, tabIndex);
    properties.insert(properties.end(), {
                                            {"Caption", caption},
                                            {"TabStop", true},
                                            {"Value", false},
                                        });
    return properties;
}

// Size and unit first, as every control of the window gets them before its own properties.
template <class C> C& createControl(fw::Window& window, const QString& name)
{
    window.AddControl<C>(name);
    C& control = window.Control<C>(name);
    control.ApplyProperties({{"TextSize", 12}, {"TextUnit", 0}});
    return control;
}

} // namespace

class Window3& Window3() { return fw::Instance<class Window3>(); }

fw::StaticText& Window3::StaticText1() const { return Control<fw::StaticText>("StaticText1"); }

fw::RadioButton& Window3::RadioButton1() const { return Control<fw::RadioButton>("RadioButton1"); }

fw::RadioButton& Window3::RadioButton2() const { return Control<fw::RadioButton>("RadioButton2"); }

fw::RadioButton& Window3::RadioButton3() const { return Control<fw::RadioButton>("RadioButton3"); }

void Window3::Layout()
{
    ApplyProperties({
        {"Placement", 2},
        {"Width", 319},
        {"Height", 127},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 0},
        {"Composite", false},
        {"HasBackColor", false},
        {"BackColor", RGB(255, 255, 255)},
        {"Title", "Symbol Selector"},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", true},
        {"Resizeable", false},
        {"LiveResize", false},
        {"MaximizeButton", false},
        {"MinimizeButton", true},
        {"MacProcID", 0},
    });
}

void Window3::CreateControls()
{
    // Screen order from the top: the label, CFG, Greyscale, UOXF; tab order by name.
    createControl<fw::StaticText>(*this, "StaticText1").ApplyProperties(labelProperties());

    auto& cfg = createControl<fw::RadioButton>(*this, "RadioButton1");
    cfg.ApplyProperties(radioProperties("Consortium for Functional Glycomics (CFG)", 42, 265, 1));
    cfg.Action = [this] { RadioButton1_Action(); };

    auto& uoxf = createControl<fw::RadioButton>(*this, "RadioButton2");
    uoxf.ApplyProperties(radioProperties("GlycoBase (UOXF)", 87, 192, 2));
    uoxf.Action = [this] { RadioButton2_Action(); };

    auto& greyscale = createControl<fw::RadioButton>(*this, "RadioButton3");
    greyscale.ApplyProperties(radioProperties("CFG (Greyscale)", 64, 232, 3));
    greyscale.Action = [this] { RadioButton3_Action(); };
}

void Window3::RadioButton1_Action()
{
    ::Window1().symbolSet = Glycan::SymbolSetCFG;
    ::Window1().Refresh(true);
}

void Window3::RadioButton2_Action()
{
    ::Window1().symbolSet = Glycan::SymbolSetUOXF;
    ::Window1().Refresh(true);
}

void Window3::RadioButton3_Action()
{
    ::Window1().symbolSet = Glycan::SymbolSetCFGGreyscale;
    ::Window1().Refresh(true);
}

void Window3::AddMenuHandlers()
{
    AddMenuHandler("FileClose", [this] { return FileClose_Action(); });
}

void Window3::Open() { MenuBar1().Enabled(true); }

void Window3::EnableMenuItems()
{
    FileMenu().Enabled(true);
    ::FileClose().Enabled(true);
}

void Window3::Activate()
{
    // The drawing module's set, not the main window's: the set last drawn, or the 2 that a
    // load leaves until the next drawing. Other sets (text mode) have no button.
    bool on1 = false;
    bool on2 = false;
    bool on3 = false;
    switch (Glycan::symbolSet) {
    case Glycan::SymbolSetCFG:
        on1 = true;
        break;
    case Glycan::SymbolSetUOXF:
        on2 = true;
        break;
    case Glycan::SymbolSetCFGGreyscale:
        on3 = true;
        break;
    default:
        return;
    }
    RadioButton1().Value(on1);
    RadioButton2().Value(on2);
    RadioButton3().Value(on3);
}

bool Window3::FileClose_Action()
{
    ::Window3().Hide();
    return false;
}
