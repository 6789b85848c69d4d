#pragma once

#include "platform/Control.h"

#include <QLabel>

// A static text. With AutoSize it takes the size of its caption.
class TLabel : public QLabel, public TControlProps<TLabel>
{
    Q_OBJECT
    T_PUBLISH_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(Vcl::TTextLayout Layout READ Layout WRITE setLayout)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)

public:
    explicit TLabel(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption);
    bool AutoSize() const { return FAutoSize; }
    void setAutoSize(bool autoSize);
    Vcl::TAlignment Alignment() const { return FAlignment; }
    void setAlignment(Vcl::TAlignment alignment);
    Vcl::TTextLayout Layout() const { return FLayout; }
    void setLayout(Vcl::TTextLayout layout);
    bool Transparent() const { return !autoFillBackground(); }
    void setTransparent(bool transparent) { setAutoFillBackground(!transparent); }
    bool WordWrap() const { return wordWrap(); }
    void setWordWrap(bool wrap) { QLabel::setWordWrap(wrap); }

    Q_INVOKABLE void Loaded();

protected:
    void changeEvent(QEvent *event) override;

private:
    void adjustBounds();
    void applyAlignment();

    bool FAutoSize = true;
    Vcl::TAlignment FAlignment = Vcl::taLeftJustify;
    Vcl::TTextLayout FLayout = Vcl::tlTop;
};
