#include "platform/MainMenu.h"

#include "platform/MenuItem.h"

#include <QAction>
#include <QMenuBar>

TMainMenu::TMainMenu(QObject *parent) : QObject(parent) {}

TMainMenu::~TMainMenu()
{
    // The items die after this body, as QObject children.
    FItems.clear();
}

void TMainMenu::Insert(int index, TMenuItem *item)
{
    index = std::clamp(index, 0, Count());
    QAction *before = index < Count() ? FItems.at(index)->action() : nullptr;
    FItems.insert(index, item);
    if (FBar)
        FBar->insertAction(before, item->action());
}

void TMainMenu::Remove(TMenuItem *item)
{
    if (FItems.removeOne(item) && FBar)
        FBar->removeAction(item->action());
}

void TMainMenu::AttachTo(QMenuBar *bar)
{
    if (FBar)
        FBar->clear();
    FBar = bar;
    if (!bar)
        return;
    bar->clear();
    for (TMenuItem *item : FItems)
        bar->addAction(item->action());
}
