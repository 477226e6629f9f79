#include "Application.h"

#include "MenuBar.h"
#include "WindowRegistry.h"

namespace fw {

Application::~Application() = default;

void Application::MenuBar(std::shared_ptr<fw::MenuBar> bar)
{
    menuBar_ = std::move(bar);
    WindowRegistry::MenusChanged();
}

void Application::AddMenuHandler(const QString& name, std::function<bool()> handler)
{
    handlers_.Add(name, std::move(handler));
    WindowRegistry::MenusChanged();
}

} // namespace fw
