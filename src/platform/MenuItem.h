#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

// One entry of a main menu. An item with children opens a submenu. Items
// are placed under the menu or item that is their QObject parent.
class TMenuItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(int Tag READ Tag WRITE setTag)

public:
    explicit TMenuItem(QObject *parent = nullptr);
    ~TMenuItem() override;

    QString Caption() const { return FCaption; }
    void setCaption(const QString &caption);
    bool Checked() const;
    void setChecked(bool checked);
    bool Enabled() const;
    void setEnabled(bool enabled);
    bool Visible() const;
    void setVisible(bool visible);
    int Tag() const { return FTag; }
    void setTag(int tag) { FTag = tag; }

    int Count() const { return int(FItems.size()); }
    TMenuItem *Items(int index) const { return FItems.at(index); }
    int IndexOf(const TMenuItem *item) const { return int(FItems.indexOf(item)); }
    void Add(TMenuItem *item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem *item);
    void Remove(TMenuItem *item);
    TMenuItem *Parent() const { return FParent; }

    // Raises OnClick as a user's choice would.
    void Click();

    // What a menu bar or a parent menu shows for this item.
    QAction *action() const { return FAction; }

signals:
    void OnClick(QObject *Sender);

private:
    QAction *FAction;
    QMenu *FSubMenu = nullptr;
    QString FCaption;
    int FTag = 0;
    TMenuItem *FParent = nullptr;
    QList<TMenuItem *> FItems;
};
