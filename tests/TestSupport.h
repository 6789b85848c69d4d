#pragma once

#include "platform/MessageBox.h"

#include <QColor>
#include <QEvent>
#include <QObject>
#include <QImage>
#include <QList>

class QWidget;

// Records every message box instead of showing it, answering with the next
// queued answer (Ok when none is queued).
class TRecordingMessageBoxes : public IMessageBoxes
{
public:
    TRecordingMessageBoxes();
    ~TRecordingMessageBoxes() override;

    TMsgAnswer show(const TMessageBoxRequest &request) override;

    QList<TMessageBoxRequest> Shown;
    QList<TMsgAnswer> Answers;

private:
    IMessageBoxes *FPrevious;
};

// Counts the paints a widget receives, once installed as its event filter.
class TPaintCounter : public QObject
{
public:
    int Paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        Paints += event->type() == QEvent::Paint;
        return false;
    }
};

// What the widget shows, rendered at its current size.
QImage Render(QWidget *widget);

// Pixel colour as 0xRRGGBB.
inline unsigned Rgb(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

// The same, for a page colour (red in the lowest byte).
unsigned RgbOf(int tcolor);
