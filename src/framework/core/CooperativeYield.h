#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

namespace fw {

/// @brief The cooperative yield behind YieldToFramework, reading time from a given clock.
///
/// Yield() counts its calls and looks at the clock only on every CheckEvery-th one. When
/// IntervalMs have passed since the last turn ended (or since the first look at the clock),
/// it takes a turn: it processes the pending events other than user input. It does nothing
/// while a Paint event runs, while its own turn is under way (it never nests) and while no
/// application exists.
class CooperativeYield {
  public:
    /// Monotonic time in milliseconds.
    using Clock = std::function<qint64()>;

    static constexpr unsigned CheckEvery = 64;
    static constexpr qint64 IntervalMs = 40;

    explicit CooperativeYield(Clock clock) : clock_(std::move(clock)) {}

    /// @brief One call from a long loop; cheap except on every CheckEvery-th call.
    void Yield()
    {
        if (++calls_ % CheckEvery == 0) {
            lookAtClock();
        }
    }

    /// @brief How many turns have processed events so far.
    unsigned long long Turns() const { return turns_; }

  private:
    void lookAtClock();

    Clock clock_;
    unsigned calls_ = 0;
    bool yielding_ = false;
    unsigned long long turns_ = 0;
    /// When the last turn ended; empty until the clock is first looked at.
    std::optional<qint64> lastTurn_;
};

} // namespace fw
