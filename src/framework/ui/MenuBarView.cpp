#include "MenuBarView.h"

#include "MenuBar.h"
#include "Shortcut.h"
#include "Window.h"
#include "WindowRegistry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace fw {
namespace {

// Whether the item and every item above it up to the bar are enabled.
bool enabledWithParents(const MenuItem& item)
{
    for (const MenuItem* at = &item; at != nullptr; at = at->Parent()) {
        if (!at->Enabled()) {
            return false;
        }
    }
    return true;
}

} // namespace

MenuBarView::MenuBarView(Window& owner, std::shared_ptr<MenuBar> tree, QWidget* frame)
    : owner_(owner), tree_(std::move(tree)), bar_(new QMenuBar(frame))
{
    bar_->setObjectName(QStringLiteral("menuBar"));
    bar_->setNativeMenuBar(false);
    tree_->AddObserver(this);
    build();
}

MenuBarView::~MenuBarView()
{
    tree_->RemoveObserver(this);
    // A command of this bar may be what removes it: delete it once no handler runs.
    if (bar_) {
        bar_->hide();
        WindowRegistry::DeleteWhenIdle(bar_);
    }
}

void MenuBarView::MenuChanged(bool structure)
{
    if (structure) {
        build();
    } else {
        Sync();
    }
}

void MenuBarView::build()
{
    actions_.clear();
    // The menus own their actions and submenus.
    for (QMenu* menu : bar_->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        WindowRegistry::DeleteWhenIdle(menu);
    }
    bar_->clear();
    addItems(nullptr, *tree_);
    Sync();
}

void MenuBarView::addItems(QMenu* menu, MenuItem& parent)
{
    for (int i = 0; i < parent.Count(); ++i) {
        MenuItem& item = parent.Item(i);
        if (item.Count() > 0 || menu == nullptr) {
            QMenu* sub = menu ? menu->addMenu(item.Text()) : bar_->addMenu(item.Text());
            sub->setObjectName(item.Name());
            QObject::connect(sub, &QMenu::aboutToShow, bar_, [this] { owner_.PrepareMenus(); });
            actions_.emplace_back(&item, sub->menuAction());
            addItems(sub, item);
            continue;
        }
        QAction* action = item.IsSeparator() ? menu->addSeparator() : menu->addAction(item.Text());
        action->setObjectName(item.Name());
        if (!item.IsSeparator()) {
            action->setShortcutContext(Qt::WindowShortcut);
            MenuItem* command = &item;
            QObject::connect(action, &QAction::triggered, bar_,
                             [this, command] { owner_.MenuCommand(*command); });
        }
        actions_.emplace_back(&item, action);
    }
}

void MenuBarView::Sync()
{
    for (auto& [item, action] : actions_) {
        if (!action || item->IsSeparator()) {
            continue;
        }
        const bool isMenu = action->menu() != nullptr;
        if (isMenu) {
            action->menu()->setTitle(item->Text());
        } else {
            action->setText(item->Text());
            action->setShortcut(KeySequenceFromShortcut(item->KeyboardShortcut()));
        }
        action->setEnabled(enabledWithParents(*item) && (isMenu || owner_.CanDispatch(*item)));
    }
}

} // namespace fw
