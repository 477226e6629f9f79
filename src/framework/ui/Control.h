#pragma once

#include "Guarded.h"
#include "Properties.h"

#include <QPointer>
#include <QString>

#include <climits>
#include <type_traits>

class QWidget;

namespace fw {

class Window;

/// @brief A control within a window's content area, registered under its name.
///
/// Design-time properties common to every control: Left, Top, Width, Height (pixels in the
/// content area), TextFont ("System" is the default font), TextSize (points; 0 the default
/// size), Bold, Italic, Underline, Enabled, Visible, TabIndex (keyboard focus order within
/// the window). A control class adds its own; other names are ignored.
class Control {
  public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QString Name() const { return name_; }
    Window& Owner() const { return owner_; }
    /// @brief The control's widget (objectName: the control's name).
    QWidget* Widget() const;

    bool Enabled() const;
    void Enabled(bool on);
    bool Visible() const;
    void Visible(bool on);
    int TabIndex() const { return tabIndex_; }

    void ApplyProperties(const PropertyList& properties);

  protected:
    /// @brief Takes @p widget, a child of the owner's content area, as the control's widget.
    Control(Window& owner, const QString& name, QWidget* widget);

    /// @brief Applies a property of the control's own class; returns whether it knew it.
    virtual bool ApplyProperty(const QString& name, const QVariant& value);

    /// @brief Raises a control event: runs @p handler, if bound, guarded like every event.
    /// A closed window's controls raise no events.
    template <class F, class... Args>
    auto RaiseEvent(const F& handler, Args... args) const -> decltype(handler(args...))
    {
        if (!handler || owner_closed()) {
            if constexpr (std::is_void_v<decltype(handler(args...))>) {
                return;
            } else {
                return {};
            }
        }
        return Guarded([&] { return handler(args...); });
    }

  private:
    void applyCommon(const QString& name, const QVariant& value);
    bool owner_closed() const;

    Window& owner_;
    QString name_;
    QPointer<QWidget> widget_;
    int tabIndex_ = INT_MAX;
};

} // namespace fw
