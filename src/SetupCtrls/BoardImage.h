#pragma once

#include "platform/Control.h"
#include "platform/MainMenu.h"
#include "platform/Picture.h"
#include "platform/SizeConstraints.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class TBoardHighlight;
Q_DECLARE_OPAQUE_POINTER(TBoardHighlight *)

// The photograph of the card. Hosts the highlight circles as children, so
// that they lie over the photograph in its own coordinates; centres itself
// on its window at run time and remembers where it was laid out.
class TBoardImage : public QWidget, public TControlProps<TBoardImage>
{
    Q_OBJECT
    T_PUBLISH_CONTROL
    Q_PROPERTY(TBoardHighlight *First READ First WRITE setFirst)
    Q_PROPERTY(TMainMenu *Menu READ Menu WRITE setMenu)
    Q_PROPERTY(bool CenterOnForm READ CenterOnForm WRITE setCenterOnForm)
    Q_PROPERTY(bool Scale READ Scale WRITE setScale)
    Q_PROPERTY(Vcl::TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE setCenter)
    Q_PROPERTY(TSizeConstraints *Constraints READ Constraints)
    Q_PROPERTY(TPicture *Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)

public:
    explicit TBoardImage(QWidget *parent = nullptr);
    ~TBoardImage() override;

    TBoardHighlight *First() const { return FFirst; }
    void setFirst(TBoardHighlight *first) { FFirst = first; }
    TMainMenu *Menu() const { return FMenu; }
    void setMenu(TMainMenu *menu) { FMenu = menu; }
    bool CenterOnForm() const { return FCenterOnForm; }
    void setCenterOnForm(bool center);
    bool Scale() const { return FScale; }
    void setScale(bool scale);
    Vcl::TAlign Align() const { return FAlign; }
    void setAlign(Vcl::TAlign align) { FAlign = align; }
    bool AutoSize() const { return FAutoSize; }
    void setAutoSize(bool autoSize);
    bool Center() const { return FCenter; }
    void setCenter(bool center);
    TSizeConstraints *Constraints() const { return FConstraints; }
    TPicture *Picture() const { return FPicture; }
    // Copies the content; the image keeps its own picture object.
    void setPicture(TPicture *picture);
    bool Stretch() const { return FStretch; }
    void setStretch(bool stretch);
    bool Transparent() const { return FTransparent; }
    void setTransparent(bool transparent);

    // Where the image was laid out, recorded at its first paint before any
    // centring; popups are placed relative to it.
    bool HomeSaved() const { return FHomeSaved; }
    int HomeLeft() const { return FHomeLeft; }
    int HomeTop() const { return FHomeTop; }
    double AspectRatio() const { return FAspectRatio; }

    // The rectangle the picture is drawn into, in client coordinates.
    QRect CalcDestRect() const;
    // Bounds go through the auto-size query while AutoSize is on.
    void setWidth(int width) { SetBounds(x(), y(), width, height()); }
    void setHeight(int height) { SetBounds(x(), y(), width(), height); }
    void SetBounds(int left, int top, int width, int height);

    // The size the image wants when AutoSize is on; always true.
    bool CanAutoSize(int &NewWidth, int &NewHeight) const;
    // The palette of the picture's graphic, or nullptr.
    const QList<QRgb> *GetPalette() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // The start of the tour (message 0x4A2); the highlights fill it in.
    virtual void StartTour();

private:
    // Centres the image on its window's outer size when CenterOnForm is on;
    // runs at every paint and whenever the window's size changes.
    void Recenter();
    void watchParent();
    void saveHome();
    void setPictureOption(bool &option, bool value);
    void PictureChanged();
    bool UpdateFormPalette();

    TPicture *FPicture;
    TSizeConstraints *FConstraints;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FPainting = false;
    double FAspectRatio = 1.0;
    bool FScale = true;
    TMainMenu *FMenu = nullptr;
    bool FCenterOnForm = true;
    bool FHomeSaved = false;
    TBoardHighlight *FFirst = nullptr;
    int FHomeLeft = 0;
    int FHomeTop = 0;
    bool FAutoSize = true;
    Vcl::TAlign FAlign = Vcl::alNone;

    // The picture stretched to the last destination size, so that painting
    // does not rescale the photograph every time; null after a change.
    QImage FScaled;
    QList<QPointer<QObject>> FWatched;
};
