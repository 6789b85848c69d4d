#include "platform/ComboBox.h"

TComboBox::TComboBox(QWidget *parent) : QComboBox(parent)
{
    resize(145, 21);
    setEditable(true);
    connect(this, &QComboBox::activated, this, [this] { emit OnChange(this); });
}

void TComboBox::setStyle(Vcl::TComboBoxStyle style)
{
    FStyle = style;
    setEditable(style == Vcl::csDropDown || style == Vcl::csSimple);
}

QStringList TComboBox::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    return items;
}

void TComboBox::setItems(const QStringList &items)
{
    clear();
    addItems(items);
    setCurrentIndex(-1);
}
