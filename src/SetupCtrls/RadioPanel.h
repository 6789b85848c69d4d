#pragma once

#include "platform/Color.h"
#include "platform/Control.h"

#include <QStringList>
#include <QWidget>

class TTwoJumper;

// The container of one group of jumper models and their controls, with the
// group's help lines. Hidden on the page; a popup adopts it. With
// RadioEnabled it keeps exactly one of its jumpers closed.
class TRadioPanel : public QWidget, public TControlProps<TRadioPanel>
{
    Q_OBJECT
    T_PUBLISH_CONTROL
    Q_PROPERTY(bool RadioEnabled READ RadioEnabled WRITE setRadioEnabled)
    Q_PROPERTY(QStringList Lines READ Lines WRITE setLines)
    Q_PROPERTY(int MemoHeight READ MemoHeight WRITE setMemoHeight)
    Q_PROPERTY(Vcl::TAnchors FinalAnchors READ FinalAnchors WRITE setFinalAnchors)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(Vcl::TBevelCut BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(Vcl::TBevelCut BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(Vcl::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)

public:
    explicit TRadioPanel(QWidget *parent = nullptr);

    bool RadioEnabled() const { return FRadioEnabled; }
    void setRadioEnabled(bool enabled) { FRadioEnabled = enabled; }
    // Assigning copies the lines; the panel never shares the given list.
    QStringList Lines() const { return FLines; }
    void setLines(const QStringList &lines) { FLines = lines; }
    int MemoHeight() const { return FMemoHeight; }
    void setMemoHeight(int height) { FMemoHeight = height; }
    Vcl::TAnchors FinalAnchors() const { return FFinalAnchors; }
    void setFinalAnchors(Vcl::TAnchors anchors);
    TColor Color() const { return FColor; }
    void setColor(TColor color);
    Vcl::TBevelCut BevelInner() const { return FBevelInner; }
    void setBevelInner(Vcl::TBevelCut bevel);
    Vcl::TBevelCut BevelOuter() const { return FBevelOuter; }
    void setBevelOuter(Vcl::TBevelCut bevel);
    int BevelWidth() const { return FBevelWidth; }
    void setBevelWidth(int width);
    int BorderWidth() const { return FBorderWidth; }
    void setBorderWidth(int width);
    Vcl::TBorderStyle BorderStyle() const { return FBorderStyle; }
    void setBorderStyle(Vcl::TBorderStyle style);

    // The radio rule for a clicked jumper: it closes, every other jumper of
    // the panel opens; OnRadioChange fires when any state differed.
    void UpdateRadio(TTwoJumper *jumper);

    // Called by the popup that adopted the panel, once it sits there.
    void SetInPopup();
    bool InPopup() const { return FInPopup; }

signals:
    void OnRadioChange(QObject *Sender);
    // Never raised by the panel: the popup that adopts it raises them.
    void OnActivate(QObject *Sender);
    void OnDeactivate(QObject *Sender);
    void OnEnter(QObject *Sender);
    void OnExit(QObject *Sender);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyColor();

    bool FRadioEnabled = false;
    QStringList FLines;
    int FMemoHeight = 58;
    Vcl::TAnchors FFinalAnchors = Vcl::DefaultAnchors;
    TColor FColor = Colors::clBtnFace;
    Vcl::TBevelCut FBevelInner = Vcl::bvNone;
    Vcl::TBevelCut FBevelOuter = Vcl::bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    Vcl::TBorderStyle FBorderStyle = Vcl::bsNone;
    bool FInPopup = false;
    bool FDesignHidden = false;
};
