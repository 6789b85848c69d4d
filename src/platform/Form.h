#pragma once

#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/MainMenu.h"
#include "platform/Vcl.h"

#include <QMainWindow>

// A top-level window as the page describes it. Its controls live on the
// client area below the menu bar; positions are client coordinates.
class TForm : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE setClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE setClientHeight)
    Q_PROPERTY(Vcl::TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(Vcl::TWindowState WindowState READ WindowState WRITE setWindowState)
    Q_PROPERTY(Vcl::TPosition Position READ Position WRITE setPosition)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(TFont *Font READ Font)
    Q_PROPERTY(TMainMenu *Menu READ Menu WRITE setMenu)
    Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE setPixelsPerInch)
    Q_PROPERTY(int TextHeight READ TextHeight WRITE setTextHeight)
    Q_PROPERTY(bool OldCreateOrder READ OldCreateOrder WRITE setOldCreateOrder)

public:
    explicit TForm(QWidget *parent = nullptr);
    ~TForm() override;

    // Where the form's controls are placed.
    QWidget *ClientArea() const { return FClient; }

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    int Left() const { return x(); }
    void setLeft(int v) { move(v, y()); }
    int Top() const { return y(); }
    void setTop(int v) { move(x(), v); }
    // The outer size, frame and menu bar included.
    int Width() const { return frameGeometry().width(); }
    void setWidth(int v);
    int Height() const { return frameGeometry().height(); }
    void setHeight(int v);
    int ClientWidth() const;
    void setClientWidth(int v);
    int ClientHeight() const;
    void setClientHeight(int v);
    Vcl::TAlign Align() const { return FAlign; }
    void setAlign(Vcl::TAlign align) { FAlign = align; }
    Vcl::TWindowState WindowState() const;
    void setWindowState(Vcl::TWindowState state);
    Vcl::TPosition Position() const { return FPosition; }
    void setPosition(Vcl::TPosition position) { FPosition = position; }
    TColor Color() const { return FColor; }
    void setColor(TColor color);
    TFont *Font() const { return FFont; }
    TMainMenu *Menu() const { return FMenu; }
    void setMenu(TMainMenu *menu);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void setPixelsPerInch(int v) { FPixelsPerInch = v; }
    int TextHeight() const { return FTextHeight; }
    void setTextHeight(int v) { FTextHeight = v; }
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void setOldCreateOrder(bool v) { FOldCreateOrder = v; }

    // Shows the form in its WindowState, placed by Align and Position.
    void Show();
    // Shows the form and brings it to the front.
    void BringToFront();

protected:
    // Raises OnCreate once the form and its page exist.
    void DoCreate();
    void closeEvent(QCloseEvent *event) override;

signals:
    void OnCreate(QObject *Sender);

private:
    QWidget *FClient;
    TFont *FFont;
    TMainMenu *FMenu = nullptr;
    TColor FColor = Colors::clBtnFace;
    Vcl::TAlign FAlign = Vcl::alNone;
    Vcl::TPosition FPosition = Vcl::poDesigned;
    Vcl::TWindowState FWindowState = Vcl::wsNormal;
    int FPixelsPerInch = 96;
    int FTextHeight = 13;
    bool FOldCreateOrder = false;
};
