#include "MenuHandlers.h"

namespace fw {

void MenuHandlers::Add(const QString& name, Handler handler)
{
    handlers_.insert(name.toCaseFolded(), std::move(handler));
}

bool MenuHandlers::Has(const QString& name) const { return Find(name) != nullptr; }

const MenuHandlers::Handler* MenuHandlers::Find(const QString& name) const
{
    const auto it = handlers_.constFind(name.toCaseFolded());
    return it == handlers_.constEnd() || !*it ? nullptr : &*it;
}

} // namespace fw
