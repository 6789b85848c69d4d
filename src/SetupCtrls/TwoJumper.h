#pragma once

#include "platform/Color.h"
#include "platform/Control.h"

#include <QImage>
#include <QWidget>

// A drawn two-pin header jumper: grey base, two yellow pins, a dark red cap
// when installed (closed). A click toggles the cap.
class TTwoJumper : public QWidget, public TControlProps<TTwoJumper>
{
    Q_OBJECT
    T_PUBLISH_CONTROL
    Q_PROPERTY(bool Closed READ Closed WRITE setClosed)
    Q_PROPERTY(TColor BaseColor READ BaseColor WRITE setBaseColor)
    Q_PROPERTY(TColor PinColor READ PinColor WRITE setPinColor)
    Q_PROPERTY(TColor JumperColor READ JumperColor WRITE setJumperColor)
    Q_PROPERTY(TOrientationType Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(Vcl::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)

public:
    enum TOrientationType { otUp, otDown, otLeft, otRight };
    Q_ENUM(TOrientationType)

    explicit TTwoJumper(QWidget *parent = nullptr);

    bool Closed() const { return FClosed; }
    void setClosed(bool closed);
    TColor BaseColor() const { return FBaseColor; }
    void setBaseColor(TColor color);
    TColor PinColor() const { return FPinColor; }
    void setPinColor(TColor color);
    TColor JumperColor() const { return FJumperColor; }
    void setJumperColor(TColor color);
    TOrientationType Orientation() const { return FOrientation; }
    void setOrientation(TOrientationType orientation);
    Vcl::TBorderStyle BorderStyle() const { return FBorderStyle; }
    void setBorderStyle(Vcl::TBorderStyle style);

    // Toggles, applies the radio rule of a radio panel parent, then raises
    // OnClick: a handler sees the state after both.
    void Click();

    // The drawing lying horizontally, and turned to Orientation, as the last
    // paint made them.
    const QImage &DrawBitmap() const { return FDrawBitmap; }
    const QImage &ViewBitmap() const { return FViewBitmap; }

signals:
    void OnClick(QObject *Sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void renderDrawing(int w, int h);
    void turnDrawing();
    TColor backgroundColor() const;

    QImage FDrawBitmap;
    QImage FViewBitmap;
    bool FClosed = false;
    TColor FBaseColor = Colors::clGray;
    TColor FPinColor = Colors::clYellow;
    TColor FJumperColor = Colors::clMaroon;
    TOrientationType FOrientation = otUp;
    Vcl::TBorderStyle FBorderStyle = Vcl::bsSingle;
    bool FSwapPending = false;
    bool FPainted = false;
    bool FPressed = false;
};
