#pragma once

#include "platform/Color.h"
#include "platform/Control.h"

#include <QLineEdit>

// A single-line edit box. OnChange fires on every change of the text,
// typed or set by the program.
class TEdit : public QLineEdit, public TControlProps<TEdit>
{
    Q_OBJECT
    T_PUBLISH_CONTROL
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)

public:
    explicit TEdit(QWidget *parent = nullptr);

    QString Text() const { return text(); }
    TColor Color() const;
    void setColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void setParentColor(bool parentColor);
    // 0 means no limit.
    int MaxLength() const { return FMaxLength; }
    void setMaxLength(int length);

signals:
    void OnChange(QObject *Sender);

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyColor();

    TColor FColor = Colors::clWindow;
    bool FParentColor = false;
    int FMaxLength = 0;
};
