#include "SetupCtrls/RadioPanel.h"

#include "SetupCtrls/TwoJumper.h"
#include "platform/ClassName.h"
#include "platform/Messages.h"

#include <QPainter>

TRadioPanel::TRadioPanel(QWidget *parent) : QWidget(parent)
{
    resize(194, 100);
    setVisible(false);
    setAutoFillBackground(true);
    applyColor();
}

void TRadioPanel::setFinalAnchors(Vcl::TAnchors anchors)
{
    if (FInPopup)
        setAnchors(anchors);
    FFinalAnchors = anchors;
}

void TRadioPanel::setColor(TColor color)
{
    if (FColor == color)
        return;
    FColor = color;
    applyColor();
}

void TRadioPanel::setBevelInner(Vcl::TBevelCut bevel)
{
    if (FBevelInner == bevel)
        return;
    FBevelInner = bevel;
    update();
}

void TRadioPanel::setBevelOuter(Vcl::TBevelCut bevel)
{
    if (FBevelOuter == bevel)
        return;
    FBevelOuter = bevel;
    update();
}

void TRadioPanel::setBevelWidth(int width)
{
    if (FBevelWidth == width)
        return;
    FBevelWidth = width;
    update();
}

void TRadioPanel::setBorderWidth(int width)
{
    if (FBorderWidth == width)
        return;
    FBorderWidth = width;
    update();
}

void TRadioPanel::setBorderStyle(Vcl::TBorderStyle style)
{
    if (FBorderStyle == style)
        return;
    FBorderStyle = style;
    update();
}

void TRadioPanel::UpdateRadio(TTwoJumper *jumper)
{
    bool changed = false;
    for (QObject *child : children()) {
        if (!IsClass(child, "TTwoJumper"))
            continue;
        auto *each = static_cast<TTwoJumper *>(child);
        const bool closed = each == jumper;
        if (each->Closed() != closed)
            changed = true;
        each->setClosed(closed);
    }
    if (changed)
        emit OnRadioChange(jumper);
}

void TRadioPanel::SetInPopup()
{
    FInPopup = true;
    setAnchors(FFinalAnchors);
}

bool TRadioPanel::event(QEvent *event)
{
    if (const TMessageEvent *message = AsMessage(event)) {
        if (message->Msg == Messages::CM_ENTER)
            emit OnEnter(this);
        else if (message->Msg == Messages::CM_EXIT)
            emit OnExit(this);
        return true;
    }
    return QWidget::event(event);
}

void TRadioPanel::paintEvent(QPaintEvent *)
{
    if (IsDesigning(this) && !FDesignHidden) {
        FDesignHidden = true;
        setVisible(false);
    }
    QPainter p(this);
    QRect r = rect();
    auto bevel = [&](Vcl::TBevelCut cut) {
        if (cut == Vcl::bvNone)
            return;
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        const QColor topLeft = cut == Vcl::bvLowered ? dark : light;
        const QColor bottomRight = cut == Vcl::bvLowered ? light : dark;
        for (int i = 0; i < FBevelWidth; ++i) {
            if (cut != Vcl::bvSpace) {
                p.setPen(topLeft);
                p.drawLine(r.topLeft(), r.topRight());
                p.drawLine(r.topLeft(), r.bottomLeft());
                p.setPen(bottomRight);
                p.drawLine(r.bottomLeft(), r.bottomRight());
                p.drawLine(r.topRight(), r.bottomRight());
            }
            r.adjust(1, 1, -1, -1);
        }
    };
    if (FBorderStyle == Vcl::bsSingle) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    bevel(FBevelOuter);
    r.adjust(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
    bevel(FBevelInner);
}

void TRadioPanel::applyColor()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColorToQColor(FColor));
    setPalette(palette);
    update();
}
