#include "platform/MenuItem.h"

#include "platform/MainMenu.h"

#include <QAction>
#include <QMenu>

TMenuItem::TMenuItem(QObject *parent) : QObject(parent), FAction(new QAction(this))
{
    connect(FAction, &QAction::triggered, this, [this] { emit OnClick(this); });
    // Constructed under its parent, so the parent is complete already.
    if (auto *item = qobject_cast<TMenuItem *>(parent))
        item->Add(this);
    else if (auto *menu = qobject_cast<TMainMenu *>(parent))
        menu->Add(this);
}

TMenuItem::~TMenuItem()
{
    // Children die after this body, as QObject children; they must not
    // reach back into this half-destroyed item.
    for (TMenuItem *item : std::as_const(FItems))
        item->FParent = nullptr;
    if (FParent)
        FParent->FItems.removeOne(this);
    else if (auto *menu = qobject_cast<TMainMenu *>(parent()))
        menu->Remove(this);
    delete FSubMenu;
}

void TMenuItem::setCaption(const QString &caption)
{
    FCaption = caption;
    FAction->setText(caption);
}

bool TMenuItem::Checked() const
{
    return FAction->isChecked();
}

void TMenuItem::setChecked(bool checked)
{
    FAction->setCheckable(checked || FAction->isCheckable());
    FAction->setChecked(checked);
}

bool TMenuItem::Enabled() const
{
    return FAction->isEnabled();
}

void TMenuItem::setEnabled(bool enabled)
{
    FAction->setEnabled(enabled);
}

bool TMenuItem::Visible() const
{
    return FAction->isVisible();
}

void TMenuItem::setVisible(bool visible)
{
    FAction->setVisible(visible);
}

void TMenuItem::Insert(int index, TMenuItem *item)
{
    if (!FSubMenu) {
        FSubMenu = new QMenu;
        FAction->setMenu(FSubMenu);
    }
    index = std::clamp(index, 0, Count());
    QAction *before = index < Count() ? FItems.at(index)->action() : nullptr;
    FItems.insert(index, item);
    item->FParent = this;
    FSubMenu->insertAction(before, item->action());
}

void TMenuItem::Remove(TMenuItem *item)
{
    if (FItems.removeOne(item)) {
        item->FParent = nullptr;
        if (FSubMenu)
            FSubMenu->removeAction(item->action());
    }
}

void TMenuItem::Click()
{
    emit OnClick(this);
}
