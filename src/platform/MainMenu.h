#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QMenuBar;
class TMenuItem;

// A window's menu bar as the page describes it: a list of top-level items,
// shown on the menu bar of the form that names this menu.
class TMainMenu : public QObject
{
    Q_OBJECT

public:
    explicit TMainMenu(QObject *parent = nullptr);
    ~TMainMenu() override;

    int Count() const { return int(FItems.size()); }
    TMenuItem *Items(int index) const { return FItems.at(index); }
    int IndexOf(const TMenuItem *item) const { return int(FItems.indexOf(item)); }
    void Add(TMenuItem *item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem *item);
    void Remove(TMenuItem *item);

    void AttachTo(QMenuBar *bar);

private:
    QList<TMenuItem *> FItems;
    QPointer<QMenuBar> FBar;
};
