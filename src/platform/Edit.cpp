#include "platform/Edit.h"

#include <QEvent>

TEdit::TEdit(QWidget *parent) : QLineEdit(parent)
{
    resize(121, 21);
    connect(this, &QLineEdit::textChanged, this, [this] { emit OnChange(this); });
    applyColor();
}

TColor TEdit::Color() const
{
    if (FParentColor) {
        const QWidget *parent = ParentControl(this);
        const QVariant color = parent ? parent->property("Color") : QVariant();
        if (color.isValid())
            return color.value<TColor>();
        return Colors::clBtnFace;
    }
    return FColor;
}

void TEdit::setColor(TColor color)
{
    FColor = color;
    FParentColor = false;
    applyColor();
}

void TEdit::setParentColor(bool parentColor)
{
    if (FParentColor == parentColor)
        return;
    FParentColor = parentColor;
    applyColor();
}

void TEdit::setMaxLength(int length)
{
    FMaxLength = length;
    QLineEdit::setMaxLength(length > 0 ? length : 32767);
}

void TEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ParentChange && FParentColor)
        applyColor();
}

void TEdit::applyColor()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, ColorToQColor(Color()));
    setPalette(palette);
}
