#pragma once

namespace fw {

/// @brief Marks that program code runs inside a framework event (a window, control,
/// application or menu event, or start-up); scopes nest.
///
/// Closed windows are deleted only when no event scope is open, so no window goes away while
/// a handler that may hold a reference to it is still on the stack.
class EventScope {
  public:
    EventScope();
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

    /// @brief How many event scopes are open.
    static int Depth();
    /// @brief Runs @p action at once when no event scope is open; else from the event loop
    /// once the last open scope has ended.
    static void WhenIdle(void (*action)());

  private:
    static int depth_;
};

/// @brief Marks that a window's Paint event runs; the cooperative yield does nothing then.
class PaintScope {
  public:
    PaintScope() { ++depth_; }
    ~PaintScope() { --depth_; }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    static bool Painting() { return depth_ > 0; }

  private:
    static int depth_;
};

} // namespace fw
