#include "MenuItem.h"

#include "RuntimeException.h"

#include <algorithm>

namespace fw {

bool SameMenuName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

MenuItem::~MenuItem()
{
    for (const auto& child : children_) {
        child->parent_ = nullptr;
    }
}

void MenuItem::Name(const QString& name)
{
    name_ = name;
    changed(false);
}

void MenuItem::Text(const QString& text)
{
    text_ = text;
    changed(false);
}

void MenuItem::KeyboardShortcut(const QString& shortcut)
{
    shortcut_ = shortcut;
    changed(false);
}

void MenuItem::AutoEnable(bool on)
{
    autoEnable_ = on;
    changed(false);
}

void MenuItem::Enabled(bool on)
{
    if (enabled_ == on) {
        return;
    }
    enabled_ = on;
    changed(false);
}

void MenuItem::Append(std::shared_ptr<MenuItem> item)
{
    NotNil(item.get(), "MenuItem.Append");
    if (item->parent_ != nullptr) {
        throw RuntimeException(QStringLiteral("The menu item is already in a menu."));
    }
    item->parent_ = this;
    children_.push_back(std::move(item));
    changed(true);
}

MenuItem* MenuItem::Child(const QString& name) const
{
    for (const auto& child : children_) {
        if (SameMenuName(child->name_, name)) {
            return child.get();
        }
    }
    return nullptr;
}

MenuItem* MenuItem::Lookup(const QString& name) const
{
    for (const auto& child : children_) {
        if (SameMenuName(child->name_, name)) {
            return child.get();
        }
        if (MenuItem* found = child->Lookup(name)) {
            return found;
        }
    }
    return nullptr;
}

MenuItem& MenuItem::Item(int index) const
{
    if (index < 0 || index >= Count()) {
        throw OutOfBoundsException(QStringLiteral("Menu item index %1").arg(index));
    }
    return *children_[static_cast<std::size_t>(index)];
}

void MenuItem::AddObserver(MenuObserver* observer) { observers_.push_back(observer); }

void MenuItem::RemoveObserver(MenuObserver* observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void MenuItem::changed(bool structure)
{
    for (const MenuItem* item = this; item != nullptr; item = item->parent_) {
        // Copy: an observer may unregister while it is told.
        const auto observers = item->observers_;
        for (auto* observer : observers) {
            observer->MenuChanged(structure);
        }
    }
}

} // namespace fw
