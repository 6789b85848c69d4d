#include "SetupCtrls/TwoJumper.h"

#include "SetupCtrls/RadioPanel.h"
#include "platform/ClassName.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// Rounds halves to the even neighbour, as the drawing's geometry requires.
int nearest(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

// Fills the ellipse inscribed in box (right and bottom exclusive): every
// pixel whose centre lies inside, so that the pin covers its whole box.
void fillEllipse(QImage &image, const QRect &box, QRgb color)
{
    const double cx = box.x() + box.width() / 2.0;
    const double cy = box.y() + box.height() / 2.0;
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    if (rx <= 0 || ry <= 0)
        return;
    const QRect clipped = box & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double dy = (y + 0.5 - cy) / ry;
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            if (dx * dx + dy * dy <= 1.0)
                line[x] = color;
        }
    }
}

TRadioPanel *radioParent(const QWidget *control)
{
    QWidget *parent = control->parentWidget();
    return IsClass(parent, "TRadioPanel") ? static_cast<TRadioPanel *>(parent) : nullptr;
}

} // namespace

TTwoJumper::TTwoJumper(QWidget *parent) : QWidget(parent)
{
    resize(34, 18);
    setFocusPolicy(Qt::NoFocus);
}

void TTwoJumper::setClosed(bool closed)
{
    if (FClosed == closed)
        return;
    FClosed = closed;
    update();
}

void TTwoJumper::setBaseColor(TColor color)
{
    if (FBaseColor == color)
        return;
    FBaseColor = color;
    update();
}

void TTwoJumper::setPinColor(TColor color)
{
    if (FPinColor == color)
        return;
    FPinColor = color;
    update();
}

void TTwoJumper::setJumperColor(TColor color)
{
    if (FJumperColor == color)
        return;
    FJumperColor = color;
    update();
}

void TTwoJumper::setOrientation(TOrientationType orientation)
{
    if (FOrientation == orientation)
        return;
    const bool wasLying = FOrientation == otUp || FOrientation == otDown;
    const bool willLie = orientation == otUp || orientation == otDown;
    if (wasLying != willLie)
        FSwapPending = true;
    FOrientation = orientation;
    update();
}

void TTwoJumper::setBorderStyle(Vcl::TBorderStyle style)
{
    if (FBorderStyle == style)
        return;
    FBorderStyle = style;
    update();
}

void TTwoJumper::Click()
{
    FClosed = !FClosed;
    update();
    if (TRadioPanel *panel = radioParent(this); panel && panel->RadioEnabled())
        panel->UpdateRadio(this);
    emit OnClick(this);
}

void TTwoJumper::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        FPressed = true;
    QWidget::mousePressEvent(event);
}

void TTwoJumper::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        FPressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        Click();
}

TColor TTwoJumper::backgroundColor() const
{
    if (const TRadioPanel *panel = radioParent(this))
        return panel->Color();
    return Colors::clBtnFace;
}

void TTwoJumper::renderDrawing(int w, int h)
{
    if (FDrawBitmap.size() != QSize(w, h))
        FDrawBitmap = QImage(w, h, QImage::Format_RGB32);
    QPainter p(&FDrawBitmap);
    // A shape (left, top, right, bottom) covers columns left to right - 1;
    // a one-pixel outline drawn on a rect of size - 1 covers the same.
    const QColor background = ColorToQColor(backgroundColor());
    p.fillRect(0, 0, w, h, background);

    const QColor body = ColorToQColor(FClosed ? FJumperColor : FBaseColor);
    p.setPen(FBorderStyle == Vcl::bsSingle ? QColor(Qt::black) : body);
    p.setBrush(body);
    if (FClosed) {
        p.drawRect(0, 0, w - 1, h - 1);
    } else {
        const double radius = (h / 2) / 2.0;
        p.drawRoundedRect(QRectF(1, 1, w - 3, h - 3), radius, radius);
    }

    const int a = nearest(w / 3.5);
    const int cx = a + 1;
    const int r = std::min(a / 3, nearest(h / 4.0));
    const int cy = h / 2;
    p.end();
    const QRgb pin = ColorToQColor(FPinColor).rgb();
    fillEllipse(FDrawBitmap, QRect(cx - r, cy - r, 2 * r, 2 * r), pin);
    fillEllipse(FDrawBitmap, QRect(w - cx - r, cy - r, 2 * r, 2 * r), pin);
}

void TTwoJumper::turnDrawing()
{
    const int w = FDrawBitmap.width();
    const int h = FDrawBitmap.height();
    const bool lying = FOrientation == otUp || FOrientation == otDown;
    const QSize viewSize = lying ? QSize(w, h) : QSize(h, w);
    if (FViewBitmap.size() != viewSize)
        FViewBitmap = QImage(viewSize, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(FDrawBitmap.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            int tx = x, ty = y;
            switch (FOrientation) {
            case otUp: break;
            case otDown: tx = w - 1 - x; ty = h - 1 - y; break;
            case otLeft: tx = y; ty = w - 1 - x; break;
            case otRight: tx = h - 1 - y; ty = x; break;
            }
            reinterpret_cast<QRgb *>(FViewBitmap.scanLine(ty))[tx] = src[x];
        }
    }
}

void TTwoJumper::paintEvent(QPaintEvent *)
{
    const int W = width();
    const int H = height();
    const bool lying = FOrientation == otUp || FOrientation == otDown;
    renderDrawing(lying ? W : H, lying ? H : W);
    turnDrawing();
    if (FSwapPending) {
        FSwapPending = false;
        // Before the first paint the stored size already fits the stored
        // orientation; afterwards a turn between lying and standing swaps.
        if (FPainted)
            resize(H, W);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, FViewBitmap);
    FPainted = true;
}
