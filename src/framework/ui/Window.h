#pragma once

#include "Color.h"
#include "MenuHandlers.h"
#include "Properties.h"
#include "RuntimeException.h"

#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

class Graphics;
class QPainter;
class QWidget;

namespace fw {

class Control;
class MenuBar;
class MenuItem;
class MenuBarView;
class WindowRegistry;
namespace detail {
class WindowCanvas;
class WindowFrame;
} // namespace detail

/// @brief A top-level window: the program derives from it, overrides the events it handles
/// and reaches the one live instance of its class through Instance<W>().
///
/// Creation (Instance) raises, in order: Layout, CreateControls, AddMenuHandlers, Open. A
/// window made visible during these events appears once Open has run. Closing (Close, or the
/// title bar's close button) raises CancelClose(false), and unless that returns True, the
/// Close event (CloseEvent); the window then stops being live, so the next Instance call makes
/// a new one, and it is deleted once no handler of the program runs any more.
///
/// The content area is the part below the menu bar: Width, Height, Paint and MouseDown are in
/// its coordinates. On Linux every window whose MenuBarVisible is True shows its own menu bar,
/// built from its MenuBar, or else from the application's.
class Window {
  public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    /// @brief Makes the window visible and brings it to the front.
    void Show();
    void Hide();
    /// @brief Closes the window (see the class comment); a second call while it closes, or
    /// after, does nothing.
    void Close();
    /// @brief Schedules a repaint of the content area: the background, then the Paint event.
    void Refresh(bool eraseBackground = true);
    void Maximize();

    QString Title() const;
    void Title(const QString& title);
    bool Visible() const;
    void Visible(bool visible);
    /// @brief The content area's size in pixels.
    int Width() const;
    int Height() const;
    Color BackColor() const { return backColor_; }
    /// @brief Sets the background colour and repaints.
    void BackColor(Color color);
    bool HasBackColor() const { return hasBackColor_; }
    void HasBackColor(bool on);
    std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
    void MenuBar(std::shared_ptr<fw::MenuBar> bar);
    bool MenuBarVisible() const { return menuBarVisible_; }
    void MenuBarVisible(bool visible);
    /// @brief Shows a modal message box over this window. A message from the window's
    /// creation events, which run before the window is on the screen, waits until the window
    /// has appeared and painted, so that it comes over what the window shows.
    void ShowMessage(const QString& title, const QString& text);

    /// @brief Records that the window accepts dropped files of @p fileType; a drop does
    /// nothing, as the window has no handler for it.
    void AcceptFileDrop(const QString& fileType);
    QStringList AcceptedFileDrops() const { return acceptedDrops_; }

    /// @brief Binds a menu handler under an item Name (letter case does not count); it runs
    /// when the item is chosen while this window is in front. True means handled; on False
    /// the command goes on to the application's handler.
    void AddMenuHandler(const QString& name, std::function<bool()> handler);
    const MenuHandlers& Handlers() const { return handlers_; }

    /// @brief Applies design-time properties in order: Placement (0 default position, 2
    /// centred on the screen), Width, Height, MinWidth, MinHeight, MaxWidth, MaxHeight (content
    /// sizes), Resizeable, MaximizeButton, MinimizeButton, CloseButton, HasBackColor,
    /// BackColor, Title, Visible, MenuBarVisible. Other names are ignored.
    void ApplyProperties(const PropertyList& properties);

    /// @brief Creates a control of class C in the content area, registered under @p name.
    template <class C> C& AddControl(const QString& name);
    /// @brief The control registered under @p name (letter case does not count), or nullptr.
    fw::Control* Control(const QString& name) const;
    /// @brief The control under @p name as a C; raises NilObjectException when there is
    /// none and TypeMismatchException when it is of another class.
    template <class C> C& Control(const QString& name) const;
    /// @brief Sets the keyboard focus order of the controls by their TabIndex.
    void UpdateTabOrder();

    /// @brief The window's top-level widget (objectName: the window's class name).
    QWidget* Widget() const;
    /// @brief The content area's widget, parent of the controls.
    QWidget* ContentWidget() const;
    /// @brief Whether the window has been closed.
    bool IsClosed() const { return closed_; }

    /// @brief Runs the command of @p item as if chosen in this window's menu bar: this
    /// window's handler, then the application's, then a QuitMenuItem's own quit.
    void MenuCommand(const MenuItem& item);
    /// @brief Prepares the menus as before a menu opens: the EnableMenuItems event, then
    /// every AutoEnable item with a handler here or in the application is enabled.
    void PrepareMenus();
    /// @brief Whether choosing @p item here would reach a handler (or quit).
    bool CanDispatch(const MenuItem& item) const;
    /// @brief The menu bar this window shows: its own, else the application's.
    std::shared_ptr<fw::MenuBar> ShownMenuBar() const;

  protected:
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Open() {}
    /// @brief The Close event: the window is closing and will not come back.
    virtual void CloseEvent() {}
    /// @brief Returns True to refuse the close.
    virtual bool CancelClose(bool appQuitting)
    {
        (void)appQuitting;
        return false;
    }
    virtual void Paint(Graphics& g) { (void)g; }
    virtual bool MouseDown(int x, int y)
    {
        (void)x;
        (void)y;
        return false;
    }
    virtual void Resized() {}
    virtual void EnableMenuItems() {}
    virtual void Activate() {}

  private:
    friend class detail::WindowCanvas;
    friend class detail::WindowFrame;
    friend class MenuBarView;
    friend class WindowRegistry;
    template <class W> friend W& Instance();

    static void construct(std::unique_ptr<Window> window, std::type_index type,
                          const QString& className);
    void applyProperty(const QString& name, const QVariant& value);
    void registerControl(std::unique_ptr<fw::Control> control);
    /// Runs the close; returns whether the window closed.
    bool runClose();
    void showNow(bool activate);
    void applySize();
    void applyFlags();
    int menuBarHeight() const;
    void updateMenuView();
    void syncMenuView();
    void paintContent(QPainter& painter);
    void showPendingMessagesLater();
    void showPendingMessages();
    void mousePressed(int x, int y);
    void contentResized();
    void activated();

    QPointer<detail::WindowFrame> frame_;
    detail::WindowCanvas* canvas_ = nullptr;
    std::unique_ptr<MenuBarView> menuView_;
    std::vector<std::unique_ptr<fw::Control>> controls_;
    MenuHandlers handlers_;
    std::shared_ptr<fw::MenuBar> menuBar_;
    QStringList acceptedDrops_;
    struct Message {
        QString title;
        QString text;
    };
    std::vector<Message> pendingMessages_;
    bool pendingMessagesPosted_ = false;
    Color backColor_ = RGB(255, 255, 255);
    bool hasBackColor_ = false;
    bool menuBarVisible_ = true;
    int placement_ = 0;
    int contentWidth_ = 300;
    int contentHeight_ = 300;
    QSize minSize_{0, 0};
    QSize maxSize_; // unbounded, set in the constructor
    bool resizeable_ = true;
    bool maximizeButton_ = true;
    bool minimizeButton_ = true;
    bool closeButton_ = true;
    bool constructing_ = false;
    bool pendingVisible_ = false;
    bool pendingActivate_ = false;
    bool shownOnce_ = false;
    bool tabOrderPending_ = false;
    bool closing_ = false;
    bool closed_ = false;
};

template <class C> C& Window::AddControl(const QString& name)
{
    auto control = std::make_unique<C>(*this, name);
    C& ref = *control;
    registerControl(std::move(control));
    return ref;
}

template <class C> C& Window::Control(const QString& name) const
{
    return CastTo<C>(Control(name), "Window.Control");
}

} // namespace fw
