#pragma once

#include "platform/Control.h"

#include <QComboBox>

// A drop-down list. OnChange fires only when the user changes the
// selection, never for a selection set by the program.
class TComboBox : public QComboBox, public TControlProps<TComboBox>
{
    Q_OBJECT
    T_PUBLISH_CONTROL
    Q_PROPERTY(Vcl::TComboBoxStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE setItemHeight)
    Q_PROPERTY(QStringList Items READ Items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)

public:
    explicit TComboBox(QWidget *parent = nullptr);

    Vcl::TComboBoxStyle Style() const { return FStyle; }
    void setStyle(Vcl::TComboBoxStyle style);
    int ItemHeight() const { return FItemHeight; }
    void setItemHeight(int height) { FItemHeight = height; }
    QStringList Items() const;
    // Replaces the items and leaves no selection.
    void setItems(const QStringList &items);
    int ItemIndex() const { return currentIndex(); }
    void setItemIndex(int index) { setCurrentIndex(index); }

signals:
    void OnChange(QObject *Sender);

private:
    Vcl::TComboBoxStyle FStyle = Vcl::csDropDown;
    int FItemHeight = 13;
};
