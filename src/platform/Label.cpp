#include "platform/Label.h"

#include <QEvent>

TLabel::TLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    resize(65, 17);
    applyAlignment();
}

void TLabel::setCaption(const QString &caption)
{
    setText(caption);
    adjustBounds();
}

void TLabel::setAutoSize(bool autoSize)
{
    if (FAutoSize == autoSize)
        return;
    FAutoSize = autoSize;
    adjustBounds();
}

void TLabel::setAlignment(Vcl::TAlignment alignment)
{
    FAlignment = alignment;
    applyAlignment();
}

void TLabel::setLayout(Vcl::TTextLayout layout)
{
    FLayout = layout;
    applyAlignment();
}

void TLabel::Loaded()
{
    adjustBounds();
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustBounds();
}

// Keeps the top-left corner; the stored size of an auto-sized label only
// matters until its text is measured.
void TLabel::adjustBounds()
{
    if (!FAutoSize || IsLoading(this))
        return;
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.horizontalAdvance(text()), metrics.height());
}

void TLabel::applyAlignment()
{
    Qt::Alignment horizontal = FAlignment == Vcl::taRightJustify ? Qt::AlignRight
                               : FAlignment == Vcl::taCenter     ? Qt::AlignHCenter
                                                                 : Qt::AlignLeft;
    Qt::Alignment vertical = FLayout == Vcl::tlCenter   ? Qt::AlignVCenter
                             : FLayout == Vcl::tlBottom ? Qt::AlignBottom
                                                        : Qt::AlignTop;
    QLabel::setAlignment(horizontal | vertical);
}
