#pragma once

#include "platform/Color.h"
#include "platform/Vcl.h"

#include <QObject>

class QWidget;

// A control's font as the page stores it; every change goes to the widget,
// whose children inherit it.
class TFont : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(int Size READ Size WRITE setSize)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(Vcl::TFontStyles Style READ Style WRITE setStyle)
    Q_PROPERTY(int Charset READ Charset WRITE setCharset)

public:
    explicit TFont(QWidget *control);

    QString Name() const;
    void setName(const QString &name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return FHeight; }
    void setHeight(int height);
    int Size() const;
    void setSize(int points);
    TColor Color() const { return FColor; }
    void setColor(TColor color);
    Vcl::TFontStyles Style() const { return FStyle; }
    void setStyle(Vcl::TFontStyles style);
    int Charset() const { return FCharset; }
    void setCharset(int charset) { FCharset = charset; }

private:
    void apply();

    QWidget *FControl;
    QString FName;
    int FHeight;
    TColor FColor = Colors::clWindowText;
    Vcl::TFontStyles FStyle;
    int FCharset = 1;
};
