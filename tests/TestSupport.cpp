#include "TestSupport.h"

#include "platform/Color.h"

#include <QWidget>

TRecordingMessageBoxes::TRecordingMessageBoxes() : FPrevious(SetMessageBoxes(this)) {}

TRecordingMessageBoxes::~TRecordingMessageBoxes()
{
    SetMessageBoxes(FPrevious);
}

TMsgAnswer TRecordingMessageBoxes::show(const TMessageBoxRequest &request)
{
    Shown.append(request);
    return Answers.isEmpty() ? TMsgAnswer::Ok : Answers.takeFirst();
}

QImage Render(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

unsigned RgbOf(int tcolor)
{
    return ColorToQColor(tcolor).rgb() & 0xFFFFFFu;
}
