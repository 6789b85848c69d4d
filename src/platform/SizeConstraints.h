#pragma once

#include <QObject>

class QWidget;

// Size limits of a control; 0 means no limit.
class TSizeConstraints : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE setMaxWidth)
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE setMaxHeight)
    Q_PROPERTY(int MinWidth READ MinWidth WRITE setMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE setMinHeight)

public:
    explicit TSizeConstraints(QWidget *control);

    int MaxWidth() const { return FMaxWidth; }
    void setMaxWidth(int v);
    int MaxHeight() const { return FMaxHeight; }
    void setMaxHeight(int v);
    int MinWidth() const { return FMinWidth; }
    void setMinWidth(int v);
    int MinHeight() const { return FMinHeight; }
    void setMinHeight(int v);

private:
    void apply();

    QWidget *FControl;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
    int FMinWidth = 0;
    int FMinHeight = 0;
};
