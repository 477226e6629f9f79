#pragma once

#include "Window.h"
#include "WindowRegistry.h"

#include <memory>
#include <type_traits>
#include <typeindex>

namespace fw {

/// @brief The live window of class W; when there is none, makes one and raises its creation
/// events (Layout, CreateControls, AddMenuHandlers, Open) before returning it. Called during
/// those events, it returns the window being made. Never returns a closed window.
template <class W> W& Instance()
{
    static_assert(std::is_base_of_v<Window, W>, "Instance<W> needs a window class");
    if (Window* live = WindowRegistry::Live(typeid(W))) {
        return static_cast<W&>(*live);
    }
    auto window = std::make_unique<W>();
    W& made = *window;
    Window::construct(std::move(window), typeid(W), WindowRegistry::ClassName(typeid(W)));
    return made;
}

} // namespace fw
