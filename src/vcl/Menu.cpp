#include "vcl/Menu.h"
#include "vcl/Application.h"
#include <QAction>
#include <QMenu>
#include <algorithm>

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), action_(new QAction)
{
    QObject::connect(action_, &QAction::triggered, [this] {
        Application->Guard([this] { Click(); });
        if (!Destroying())
            SyncAction(); // Qt toggles a checkable action itself; the item's state rules
    });
}

TMenuItem::~TMenuItem()
{
    while (!items_.empty())
        Free(items_.back());
    if (parent_)
        parent_->Remove(this);
    delete action_;
    delete menu_;
}

void TMenuItem::SetCaption(const String& value)
{
    caption_ = value;
    SyncAction();
}

void TMenuItem::SetChecked(bool value)
{
    checked_ = value;
    SyncAction();
}

void TMenuItem::SyncAction()
{
    action_->setText(caption_);
    // Only a checked item shows a check box, as on the platform the menus come from.
    action_->setCheckable(checked_);
    action_->setChecked(checked_);
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

QWidget* TMenuItem::SubContainer()
{
    if (bar_ || !parent_)
        return bar_;
    if (!menu_) {
        menu_ = new QMenu;
        action_->setMenu(menu_);
    }
    return menu_;
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (item->parent_)
        item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    if (!parent_) // a top-level item always drops down, even while it has no entries
        item->SubContainer();
    if (QWidget* container = SubContainer()) {
        QAction* before = index + 1 < Count() ? items_[index + 1]->action_ : nullptr;
        container->insertAction(before, item->action_);
    }
}

void TMenuItem::Remove(TMenuItem* item)
{
    const int index = IndexOf(item);
    if (index < 0)
        return;
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
    if (QWidget* container = SubContainer())
        container->removeAction(item->action_);
}

void TMenuItem::ShowIn(QWidget* bar)
{
    if (bar_)
        for (TMenuItem* item : items_)
            bar_->removeAction(item->action_);
    bar_ = bar;
    if (bar_)
        for (TMenuItem* item : items_)
            bar_->addAction(item->action_);
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) { }

void TMainMenu::ShowIn(QWidget* bar)
{
    items_->ShowIn(bar);
}
