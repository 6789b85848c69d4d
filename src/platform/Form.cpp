#include "platform/Form.h"

#include "platform/Application.h"
#include "platform/Font.h"
#include "platform/MainMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

TForm::TForm(QWidget *parent) : QMainWindow(parent), FClient(new QWidget(this)), FFont(new TFont(this))
{
    FClient->setObjectName(QStringLiteral("ClientArea"));
    FClient->setAutoFillBackground(true);
    setCentralWidget(FClient);
    setColor(FColor);
}

TForm::~TForm() = default;

void TForm::setWidth(int v)
{
    resize(v - (frameGeometry().width() - width()), height());
}

void TForm::setHeight(int v)
{
    resize(width(), v - (frameGeometry().height() - height()));
}

int TForm::ClientWidth() const
{
    return FClient->width();
}

void TForm::setClientWidth(int v)
{
    resize(v + (width() - FClient->width()), height());
}

int TForm::ClientHeight() const
{
    return FClient->height();
}

void TForm::setClientHeight(int v)
{
    resize(width(), v + (height() - FClient->height()));
}

Vcl::TWindowState TForm::WindowState() const
{
    if (isVisible())
        return isMaximized() ? Vcl::wsMaximized : isMinimized() ? Vcl::wsMinimized : Vcl::wsNormal;
    return FWindowState;
}

void TForm::setWindowState(Vcl::TWindowState state)
{
    FWindowState = state;
    if (isVisible())
        Show();
}

void TForm::setColor(TColor color)
{
    FColor = color;
    QPalette palette = FClient->palette();
    palette.setColor(QPalette::Window, ColorToQColor(color));
    FClient->setPalette(palette);
}

void TForm::setMenu(TMainMenu *menu)
{
    if (FMenu == menu)
        return;
    if (FMenu)
        FMenu->AttachTo(nullptr);
    FMenu = menu;
    if (menu)
        menu->AttachTo(menuBar());
}

void TForm::Show()
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect workArea = screen->availableGeometry();
    if (FAlign == Vcl::alClient && !parentWidget())
        setGeometry(workArea);
    else if (FPosition == Vcl::poScreenCenter || FPosition == Vcl::poDesktopCenter)
        move(workArea.center() - rect().center());
    switch (FWindowState) {
    case Vcl::wsMaximized: showMaximized(); break;
    case Vcl::wsMinimized: showMinimized(); break;
    case Vcl::wsNormal: showNormal(); break;
    }
}

void TForm::BringToFront()
{
    if (!isVisible())
        Show();
    raise();
    activateWindow();
}

void TForm::DoCreate()
{
    emit OnCreate(this);
}

void TForm::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    // Closing the first form ends the program, whatever other windows
    // (stay-on-top popups, help) are still open.
    if (event->isAccepted() && TApplication::Instance() && TApplication::Instance()->MainForm() == this)
        QCoreApplication::quit();
}
