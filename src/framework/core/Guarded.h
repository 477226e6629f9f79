#pragma once

#include "EventScope.h"
#include "ExceptionReport.h"

#include <type_traits>
#include <utility>

namespace fw {

/// @brief Runs program code called from the framework (an event, a control event, a menu
/// handler) inside an EventScope; an exception that leaves it goes to the report of
/// unhandled exceptions, and a value-returning call then gives a value-initialised result
/// (False for a Boolean). No exception passes on into Qt.
template <class F> auto Guarded(F&& code) -> std::invoke_result_t<F&>
{
    using Result = std::invoke_result_t<F&>;
    EventScope scope;
    try {
        return code();
    } catch (...) {
        UnhandledException(std::current_exception());
    }
    if constexpr (std::is_void_v<Result>) {
        return;
    } else {
        return Result{};
    }
}

} // namespace fw
