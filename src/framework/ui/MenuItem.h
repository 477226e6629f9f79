#pragma once

#include <QString>

#include <memory>
#include <vector>

namespace fw {

/// @brief Told when anything in a menu tree changes; registered at the tree's root.
class MenuObserver {
  public:
    virtual ~MenuObserver() = default;
    /// @p structure is true when items were added, false when only properties changed.
    virtual void MenuChanged(bool structure) = 0;
};

/// @brief One item of a menu tree: a menu title, a command or a separator.
///
/// Items are found by Name; names compare regardless of letter case throughout the
/// framework (lookups and menu-handler bindings alike). A Text of "-" makes a separator,
/// and "&" marks the next letter as the mnemonic. KeyboardShortcut takes the form
/// "Cmd+Shift+S" (see KeySequenceFromShortcut). A new item is enabled.
class MenuItem {
  public:
    MenuItem() = default;
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    QString Name() const { return name_; }
    void Name(const QString& name);
    QString Text() const { return text_; }
    void Text(const QString& text);
    QString KeyboardShortcut() const { return shortcut_; }
    void KeyboardShortcut(const QString& shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void AutoEnable(bool on);
    bool Enabled() const { return enabled_; }
    void Enabled(bool on);

    bool IsSeparator() const { return text_ == QLatin1String("-"); }

    /// @brief Adds @p item after the existing children (screen order).
    void Append(std::shared_ptr<MenuItem> item);
    /// @brief The direct child named @p name, or nullptr.
    MenuItem* Child(const QString& name) const;
    /// @brief The item named @p name at any depth below this one (depth first, in screen
    /// order), or nullptr.
    MenuItem* Lookup(const QString& name) const;
    int Count() const { return static_cast<int>(children_.size()); }
    /// @brief The child at @p index (0-based); raises OutOfBoundsException outside 0..Count-1.
    MenuItem& Item(int index) const;
    MenuItem* Parent() const { return parent_; }

    void AddObserver(MenuObserver* observer);
    void RemoveObserver(MenuObserver* observer);

  private:
    void changed(bool structure);

    QString name_;
    QString text_;
    QString shortcut_;
    bool autoEnable_ = false;
    bool enabled_ = true;
    MenuItem* parent_ = nullptr;
    std::vector<std::shared_ptr<MenuItem>> children_;
    std::vector<MenuObserver*> observers_;
};

/// @brief Whether two item or handler names are the same: letter case does not count.
bool SameMenuName(const QString& a, const QString& b);

} // namespace fw
