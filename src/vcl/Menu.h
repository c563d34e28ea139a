#pragma once
// Main menus and their items, shown in a real menu bar.

#include "vcl/Component.h"
#include <QPointer>
#include <QWidget>
#include <vector>

class QAction;
class QMenu;

class TMenuItem : public TComponent
{
    VCL_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    // Takes its sub-items with it, whoever owns them.
    ~TMenuItem() override;

    // '&' marks the underlined shortcut letter.
    String Caption() const { return caption_; }
    void SetCaption(const String& value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);

    TMenuItem* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(index); }
    int IndexOf(const TMenuItem* item) const;
    void Insert(int index, TMenuItem* item);
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Remove(TMenuItem* item);

    // Raises OnClick with this item as sender.
    virtual void Click();
    TNotifyEvent OnClick;

    QAction* Action() const { return action_; }

private:
    friend class TMainMenu;

    // Where the sub-items' actions go: the menu bar for a menu's root item, else a drop-down.
    QWidget* SubContainer();
    void ShowIn(QWidget* bar);
    void SyncAction();

    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    String caption_;
    bool checked_ = false;
    QAction* action_;
    QMenu* menu_ = nullptr;
    QPointer<QWidget> bar_; // only for a menu's root item
};

class TMainMenu : public TComponent
{
    VCL_CLASS(TMainMenu, TComponent)
public:
    explicit TMainMenu(TComponent* owner);
    // The invisible root whose sub-items are the menu bar's top-level items.
    TMenuItem* Items() const { return items_; }
    // Shows the menu in bar (a QMenuBar), or nowhere for null.
    void ShowIn(QWidget* bar);

private:
    TMenuItem* items_;
};
