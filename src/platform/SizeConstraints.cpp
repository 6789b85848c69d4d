#include "platform/SizeConstraints.h"

#include <QWidget>

TSizeConstraints::TSizeConstraints(QWidget *control) : QObject(control), FControl(control) {}

void TSizeConstraints::setMaxWidth(int v)
{
    FMaxWidth = v;
    apply();
}

void TSizeConstraints::setMaxHeight(int v)
{
    FMaxHeight = v;
    apply();
}

void TSizeConstraints::setMinWidth(int v)
{
    FMinWidth = v;
    apply();
}

void TSizeConstraints::setMinHeight(int v)
{
    FMinHeight = v;
    apply();
}

void TSizeConstraints::apply()
{
    FControl->setMinimumSize(FMinWidth, FMinHeight);
    FControl->setMaximumSize(FMaxWidth > 0 ? FMaxWidth : QWIDGETSIZE_MAX, FMaxHeight > 0 ? FMaxHeight : QWIDGETSIZE_MAX);
}
