#include "SetupCtrls/BoardImage.h"

#include "platform/JPEGImage.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QPainter>
#include <QScopeGuard>

#include <cmath>
#include <utility>

namespace {

constexpr unsigned WM_QUERYNEWPALETTE = 0x030F;

// The parent's outer size: a form counts its frame, caption and menu bar.
QSize outerSize(const QWidget *parent)
{
    const QVariant w = parent->property("Width");
    const QVariant h = parent->property("Height");
    return w.isValid() && h.isValid() ? QSize(w.toInt(), h.toInt()) : parent->size();
}

} // namespace

TBoardImage::TBoardImage(QWidget *parent)
    : QWidget(parent), FPicture(new TPicture(this)), FConstraints(new TSizeConstraints(this))
{
    resize(105, 105);
    watchParent();
    connect(FPicture, &TPicture::OnChange, this, [this] { PictureChanged(); });
}

TBoardImage::~TBoardImage() = default;

void TBoardImage::setCenterOnForm(bool center)
{
    if (FCenterOnForm == center)
        return;
    FCenterOnForm = center;
    Recenter();
    update();
}

void TBoardImage::setScale(bool scale)
{
    setPictureOption(FScale, scale);
}

void TBoardImage::setAutoSize(bool autoSize)
{
    if (FAutoSize == autoSize)
        return;
    FAutoSize = autoSize;
    if (autoSize)
        SetBounds(x(), y(), width(), height());
}

void TBoardImage::SetBounds(int left, int top, int width, int height)
{
    // While the page is read, the stored size stands; the query would see
    // a picture that is not there yet.
    if (FAutoSize && !IsLoading(this))
        CanAutoSize(width, height);
    setGeometry(left, top, width, height);
}

// The options that change how the picture is drawn all end in
// PictureChanged, and only when they change.
void TBoardImage::setPictureOption(bool &option, bool value)
{
    if (option == value)
        return;
    option = value;
    PictureChanged();
}

void TBoardImage::setCenter(bool center)
{
    setPictureOption(FCenter, center);
}

void TBoardImage::setPicture(TPicture *picture)
{
    if (picture)
        FPicture->assign(*picture);
    else
        FPicture->clear();
}

void TBoardImage::setStretch(bool stretch)
{
    setPictureOption(FStretch, stretch);
}

void TBoardImage::setTransparent(bool transparent)
{
    setPictureOption(FTransparent, transparent);
}

QRect TBoardImage::CalcDestRect() const
{
    const int pw = FPicture->width();
    const int ph = FPicture->height();
    if (FStretch)
        return rect();
    if (FCenter)
        return QRect((width() - pw) / 2, (height() - ph) / 2, pw, ph);
    return QRect(0, 0, pw, ph);
}

bool TBoardImage::CanAutoSize(int &NewWidth, int &NewHeight) const
{
    const int pw = FPicture->width();
    const int ph = FPicture->height();
    if (IsDesigning(this) && (pw <= 0 || ph <= 0))
        return true;
    if (FAlign == Vcl::alNone || FAlign == Vcl::alLeft || FAlign == Vcl::alRight)
        NewWidth = pw;
    if (FAlign == Vcl::alNone || FAlign == Vcl::alTop || FAlign == Vcl::alBottom)
        NewHeight = ph;
    return true;
}

const QList<QRgb> *TBoardImage::GetPalette() const
{
    return FPicture->graphic() ? FPicture->graphic()->palette() : nullptr;
}

void TBoardImage::PictureChanged()
{
    FScaled = QImage();
    const int pw = FPicture->width();
    const int ph = FPicture->height();
    if (pw > 0 && ph > 0) {
        const double ratio = double(ph) / double(pw);
        FAspectRatio = std::isfinite(ratio) ? ratio : 1.0;
    }
    if (FAutoSize && pw > 0 && ph > 0)
        SetBounds(x(), y(), pw, ph);
    if (TJPEGImage *graphic = FPicture->graphic()) {
        graphic->setTransparent(FTransparent);
        const bool opaque = !graphic->transparent()
                            && (FStretch || (graphic->width() >= width() && graphic->height() >= height()));
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
        if (UpdateFormPalette() && FPainting)
            repaint();
    } else {
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }
    if (!FPainting)
        update();
}

bool TBoardImage::UpdateFormPalette()
{
    TJPEGImage *graphic = FPicture->graphic();
    if (!isVisible() || IsLoading(this) || !graphic || !graphic->paletteModified())
        return false;
    if (!graphic->palette()) {
        graphic->setPaletteModified(false);
        return false;
    }
    QWidget *form = window();
    if (form && form == QApplication::activeWindow() && form->windowHandle()) {
        if (FPainting)
            SendMessage(form, WM_QUERYNEWPALETTE);
        else
            PostMessage(form, WM_QUERYNEWPALETTE);
        graphic->setPaletteModified(false);
        return true;
    }
    return false;
}

bool TBoardImage::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        watchParent();
    else if (event->type() == QEvent::Show || event->type() == QEvent::Resize)
        Recenter();
    if (const TMessageEvent *message = AsMessage(event); message && message->Msg == Messages::WM_STARTTOUR) {
        StartTour();
        return true;
    }
    return QWidget::event(event);
}

void TBoardImage::StartTour() {}

void TBoardImage::Recenter()
{
    if (!FCenterOnForm || IsDesigning(this))
        return;
    const QWidget *parent = ParentControl(this);
    if (!parent)
        return;
    saveHome();
    // Truncating division, so an image wider than its window moves left by
    // half the excess, rounded toward zero.
    const QSize outer = outerSize(parent);
    move((outer.width() - width()) / 2, (outer.height() - height()) / 2);
}

void TBoardImage::watchParent()
{
    for (QObject *watched : FWatched)
        if (watched)
            watched->removeEventFilter(this);
    FWatched.clear();
    if (QWidget *parent = parentWidget()) {
        FWatched = {parent, window()};
        parent->installEventFilter(this);
        window()->installEventFilter(this);
    }
}

// The window's size decides where the image goes; following it here rather
// than inside a paint keeps Qt's repainting of the old and new places intact.
bool TBoardImage::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::WindowStateChange:
        Recenter();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// Once, before any centring: where the page laid the image out.
void TBoardImage::saveHome()
{
    if (FHomeSaved)
        return;
    FHomeLeft = x();
    FHomeTop = y();
    FHomeSaved = true;
}

void TBoardImage::paintEvent(QPaintEvent *)
{
    saveHome();
    const bool designing = IsDesigning(this);
    if (!designing)
        Recenter();
    QPainter painter(this);
    if (designing) {
        if (FScale)
            resize(width(), int(std::nearbyint(width() * FAspectRatio)));
        QPen pen(Qt::black);
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
    const bool saved = std::exchange(FPainting, true);
    const auto restore = qScopeGuard([this, saved] { FPainting = saved; });
    const TJPEGImage *graphic = FPicture->graphic();
    if (!graphic || graphic->empty())
        return;
    const QRect dest = CalcDestRect();
    if (dest.size() == graphic->image().size()) {
        painter.drawImage(dest.topLeft(), graphic->image());
        return;
    }
    if (FScaled.size() != dest.size())
        FScaled = graphic->image().scaled(dest.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(dest.topLeft(), FScaled);
}
