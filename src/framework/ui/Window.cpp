#include "Window.h"

#include "AppObject.h"
#include "Application.h"
#include "Control.h"
#include "EventScope.h"
#include "Guarded.h"
#include "MenuBar.h"
#include "MenuBarView.h"
#include "MsgBox.h"
#include "QPainterGraphics.h"
#include "Quit.h"
#include "QuitMenuItem.h"
#include "WindowCanvas.h"
#include "WindowFrame.h"
#include "WindowRegistry.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace fw {
namespace {

constexpr int placementCentred = 2;

QColor toQColor(Color c) { return QColor(c.Red(), c.Green(), c.Blue()); }

// Enables every AutoEnable command below @p parent that @p window can dispatch.
void autoEnable(const Window& window, MenuItem& parent)
{
    for (int i = 0; i < parent.Count(); ++i) {
        MenuItem& item = parent.Item(i);
        if (item.Count() > 0) {
            autoEnable(window, item);
        } else if (item.AutoEnable() && !item.IsSeparator() && window.CanDispatch(item)) {
            item.Enabled(true);
        }
    }
}

} // namespace

Window::Window()
    : frame_(new detail::WindowFrame(*this)), maxSize_(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)
{
    canvas_ = frame_->Canvas();
    applyFlags();
    applySize();
}

Window::~Window()
{
    menuView_.reset();
    controls_.clear();
    delete frame_.data();
}

void Window::construct(std::unique_ptr<Window> window, std::type_index type,
                       const QString& className)
{
    Window& w = *window;
    w.frame_->setObjectName(className);
    WindowRegistry::Adopt(std::move(window), type);
    w.constructing_ = true;
    Guarded([&w] { w.Layout(); });
    Guarded([&w] { w.CreateControls(); });
    if (std::exchange(w.tabOrderPending_, false)) {
        w.constructing_ = false;
        w.UpdateTabOrder();
        w.constructing_ = true;
    }
    Guarded([&w] { w.AddMenuHandlers(); });
    Guarded([] { StartApplication(); });
    Guarded([&w] { w.Open(); });
    w.constructing_ = false;
    if (w.closed_) {
        w.showPendingMessagesLater();
        return;
    }
    w.updateMenuView();
    if (w.pendingVisible_) {
        w.showNow(w.pendingActivate_);
    } else {
        w.showPendingMessagesLater(); // no paint to wait for
    }
}

void Window::Show()
{
    if (closed_) {
        return;
    }
    if (constructing_) {
        pendingVisible_ = true;
        pendingActivate_ = true;
        return;
    }
    showNow(true);
}

void Window::Hide() { Visible(false); }

void Window::Close() { runClose(); }

bool Window::runClose()
{
    if (closing_ || closed_) {
        return closed_;
    }
    closing_ = true;
    if (Guarded([this] { return CancelClose(false); })) {
        closing_ = false;
        return false;
    }
    Guarded([this] { CloseEvent(); });
    closing_ = false;
    closed_ = true;
    menuView_.reset();
    frame_->hide();
    WindowRegistry::Retire(this);
    return true;
}

void Window::Refresh(bool eraseBackground)
{
    (void)eraseBackground; // the background is always painted first
    canvas_->update();
}

void Window::Maximize()
{
    if (constructing_ || !frame_->isVisible()) {
        frame_->setWindowState(frame_->windowState() | Qt::WindowMaximized);
    } else {
        frame_->showMaximized();
    }
}

QString Window::Title() const { return frame_->windowTitle(); }

void Window::Title(const QString& title) { frame_->setWindowTitle(title); }

bool Window::Visible() const { return constructing_ ? pendingVisible_ : frame_->isVisible(); }

void Window::Visible(bool visible)
{
    if (closed_) {
        return;
    }
    if (constructing_) {
        pendingVisible_ = visible;
        pendingActivate_ = pendingActivate_ && visible;
    } else if (visible) {
        showNow(false);
    } else {
        frame_->hide();
    }
}

int Window::Width() const { return frame_->isVisible() ? canvas_->width() : frame_->width(); }

int Window::Height() const
{
    return frame_->isVisible() ? canvas_->height() : frame_->height() - menuBarHeight();
}

void Window::BackColor(Color color)
{
    backColor_ = color;
    canvas_->update();
}

void Window::HasBackColor(bool on)
{
    hasBackColor_ = on;
    canvas_->update();
}

void Window::MenuBar(std::shared_ptr<fw::MenuBar> bar)
{
    menuBar_ = std::move(bar);
    updateMenuView();
}

void Window::MenuBarVisible(bool visible)
{
    menuBarVisible_ = visible;
    updateMenuView();
}

void Window::ShowMessage(const QString& title, const QString& text)
{
    if (constructing_) {
        pendingMessages_.push_back({title, text});
        return;
    }
    MsgBox(title, text, closed_ ? nullptr : frame_.data());
}

void Window::showPendingMessagesLater()
{
    if (pendingMessages_.empty() || std::exchange(pendingMessagesPosted_, true)) {
        return;
    }
    // From the event loop: never a modal loop inside a paint event.
    QTimer::singleShot(0, frame_, [this] { showPendingMessages(); });
}

void Window::showPendingMessages()
{
    pendingMessagesPosted_ = false;
    const std::vector<Message> messages = std::exchange(pendingMessages_, {});
    for (const Message& message : messages) {
        Guarded([this, &message] {
            MsgBox(message.title, message.text, closed_ ? nullptr : frame_.data());
        });
    }
}

void Window::AcceptFileDrop(const QString& fileType) { acceptedDrops_.append(fileType); }

void Window::AddMenuHandler(const QString& name, std::function<bool()> handler)
{
    handlers_.Add(name, std::move(handler));
    syncMenuView();
}

void Window::ApplyProperties(const PropertyList& properties)
{
    for (const auto& property : properties) {
        applyProperty(property.name, property.value);
    }
}

void Window::applyProperty(const QString& name, const QVariant& value)
{
    if (IsProperty(name, "Placement")) {
        placement_ = value.toInt();
    } else if (IsProperty(name, "Width")) {
        contentWidth_ = value.toInt();
        applySize();
    } else if (IsProperty(name, "Height")) {
        contentHeight_ = value.toInt();
        applySize();
    } else if (IsProperty(name, "MinWidth")) {
        minSize_.setWidth(value.toInt());
        applySize();
    } else if (IsProperty(name, "MinHeight")) {
        minSize_.setHeight(value.toInt());
        applySize();
    } else if (IsProperty(name, "MaxWidth")) {
        maxSize_.setWidth(value.toInt());
        applySize();
    } else if (IsProperty(name, "MaxHeight")) {
        maxSize_.setHeight(value.toInt());
        applySize();
    } else if (IsProperty(name, "Resizeable")) {
        resizeable_ = value.toBool();
        applySize();
        applyFlags();
    } else if (IsProperty(name, "MaximizeButton")) {
        maximizeButton_ = value.toBool();
        applyFlags();
    } else if (IsProperty(name, "MinimizeButton")) {
        minimizeButton_ = value.toBool();
        applyFlags();
    } else if (IsProperty(name, "CloseButton")) {
        closeButton_ = value.toBool();
        applyFlags();
    } else if (IsProperty(name, "HasBackColor")) {
        HasBackColor(value.toBool());
    } else if (IsProperty(name, "BackColor")) {
        BackColor(ColorValue(value));
    } else if (IsProperty(name, "Title")) {
        Title(value.toString());
    } else if (IsProperty(name, "Visible")) {
        Visible(value.toBool());
    } else if (IsProperty(name, "MenuBarVisible")) {
        MenuBarVisible(value.toBool());
    }
}

void Window::applySize()
{
    if (resizeable_) {
        canvas_->setMinimumSize(minSize_);
        canvas_->setMaximumSize(maxSize_);
    } else {
        canvas_->setFixedSize(contentWidth_, contentHeight_);
    }
    if (!shownOnce_) {
        frame_->resize(contentWidth_, contentHeight_ + menuBarHeight());
    }
}

void Window::applyFlags()
{
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (minimizeButton_) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (maximizeButton_ && resizeable_) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    if (closeButton_) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (frame_->windowFlags() == flags) {
        return;
    }
    const bool wasVisible = frame_->isVisible();
    frame_->setWindowFlags(flags);
    if (wasVisible) {
        frame_->show();
    }
}

int Window::menuBarHeight() const
{
    if (!menuView_ || menuView_->Bar() == nullptr) {
        return 0;
    }
    // As the frame's layout sizes its menu bar.
    const QMenuBar* bar = menuView_->Bar();
    int height = bar->heightForWidth(std::max(frame_->width(), bar->minimumWidth()));
    if (height < 0) {
        height = bar->sizeHint().height();
    }
    return std::max(height, bar->minimumSizeHint().height());
}

void Window::showNow(bool activate)
{
    if (!shownOnce_) {
        shownOnce_ = true;
        syncMenuView();
        if (placement_ == placementCentred) {
            if (const QScreen* screen = QGuiApplication::primaryScreen()) {
                const QRect area = screen->availableGeometry();
                frame_->move(area.center() - QPoint(frame_->width() / 2, frame_->height() / 2));
            }
        }
    }
    frame_->show();
    if (activate) {
        frame_->raise();
        frame_->activateWindow();
    }
}

void Window::registerControl(std::unique_ptr<fw::Control> control)
{
    if (Control(control->Name()) != nullptr) {
        throw RuntimeException(
            QStringLiteral("A control named %1 already exists.").arg(control->Name()));
    }
    controls_.push_back(std::move(control));
}

fw::Control* Window::Control(const QString& name) const
{
    for (const auto& control : controls_) {
        if (control->Name().compare(name, Qt::CaseInsensitive) == 0) {
            return control.get();
        }
    }
    return nullptr;
}

void Window::UpdateTabOrder()
{
    if (constructing_) {
        tabOrderPending_ = true; // set once, when the controls are all made
        return;
    }
    std::vector<fw::Control*> order;
    for (const auto& control : controls_) {
        if (control->Widget()->focusPolicy() & Qt::TabFocus) {
            order.push_back(control.get());
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const fw::Control* a, const fw::Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
    }
}

QWidget* Window::Widget() const { return frame_; }

QWidget* Window::ContentWidget() const { return canvas_; }

std::shared_ptr<fw::MenuBar> Window::ShownMenuBar() const
{
    if (menuBar_) {
        return menuBar_;
    }
    const Application* app = GetAppObject();
    return app ? app->MenuBar() : nullptr;
}

bool Window::CanDispatch(const MenuItem& item) const
{
    if (handlers_.Has(item.Name()) || dynamic_cast<const QuitMenuItem*>(&item) != nullptr) {
        return true;
    }
    const Application* app = GetAppObject();
    return app != nullptr && app->Handlers().Has(item.Name());
}

void Window::MenuCommand(const MenuItem& item)
{
    EventScope scope;
    const QString name = item.Name();
    // Runs one handler; True when the command is done (handled, or it failed).
    auto run = [](MenuHandlers::Handler handler) {
        try {
            return handler();
        } catch (...) {
            UnhandledException(std::current_exception());
            return true;
        }
    };
    bool done = false;
    if (const auto* handler = handlers_.Find(name)) {
        done = run(*handler);
    }
    if (!done) {
        if (const Application* app = GetAppObject()) {
            if (const auto* handler = app->Handlers().Find(name)) {
                done = run(*handler);
            }
        }
    }
    if (!done && dynamic_cast<const QuitMenuItem*>(&item) != nullptr) {
        Quit(0);
    }
    WindowRegistry::MenusChanged();
}

void Window::PrepareMenus()
{
    if (closed_) {
        return;
    }
    EventScope scope;
    Guarded([this] { EnableMenuItems(); });
    if (const auto bar = ShownMenuBar()) {
        autoEnable(*this, *bar);
    }
    syncMenuView();
}

void Window::updateMenuView()
{
    const auto wanted = menuBarVisible_ && !closed_ ? ShownMenuBar() : nullptr;
    if (menuView_ && menuView_->Tree() == wanted) {
        menuView_->Sync();
        return;
    }
    menuView_.reset();
    frame_->SetMenuBar(nullptr);
    if (wanted) {
        menuView_ = std::make_unique<MenuBarView>(*this, wanted, frame_);
        frame_->SetMenuBar(menuView_->Bar());
    }
    applySize();
}

void Window::syncMenuView()
{
    if (menuView_) {
        menuView_->Sync();
    }
}

void Window::paintContent(QPainter& painter)
{
    PaintScope painting;
    if (hasBackColor_) {
        painter.fillRect(canvas_->rect(), toQColor(backColor_));
    }
    QPainterGraphics graphics(painter);
    Guarded([this, &graphics] { Paint(graphics); });
    showPendingMessagesLater();
}

void Window::mousePressed(int x, int y)
{
    Guarded([this, x, y] { return MouseDown(x, y); });
}

void Window::contentResized()
{
    if (!constructing_ && !closed_) {
        Guarded([this] { Resized(); });
    }
}

void Window::activated()
{
    if (closed_) {
        return;
    }
    EventScope scope;
    Guarded([this] { Activate(); });
    PrepareMenus();
}

} // namespace fw
