#pragma once

#include "platform/Vcl.h"

#include <QWidget>

// Component states a control consults: being edited in a page designer, or
// being built by the page reader. Kept on the object so that any component
// can be asked.
bool IsDesigning(const QObject *component);
void SetDesigning(QObject *component, bool designing);
bool IsLoading(const QObject *component);
void SetLoading(QObject *component, bool loading);

// The control a widget is placed on in the page's terms: a form's client
// area stands for the form itself.
QWidget *ParentControl(const QWidget *control);

// Anchored children keep their distance to the anchored edges of their
// parent. The parent's size is noted when a child is anchored, and every
// later resize (also while hidden, when Qt defers the resize event) moves
// and sizes the anchored children by the change since then.
void TrackAnchorParent(QWidget *parent);
void ApplyAnchors(QWidget *parent);

// The properties every visual component publishes under the page's names.
// Use T_PUBLISH_CONTROL inside the class (after Q_OBJECT) and derive from
// TControlProps<Class> to get the accessors.
#define T_PUBLISH_CONTROL                                                       \
    Q_PROPERTY(int Left READ Left WRITE setLeft)                               \
    Q_PROPERTY(int Top READ Top WRITE setTop)                                  \
    Q_PROPERTY(int Width READ Width WRITE setWidth)                            \
    Q_PROPERTY(int Height READ Height WRITE setHeight)                         \
    Q_PROPERTY(int Tag READ Tag WRITE setTag)                                  \
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)                     \
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)                     \
    Q_PROPERTY(Vcl::TAnchors Anchors READ Anchors WRITE setAnchors)            \
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)                           \
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)

template <class W>
class TControlProps
{
public:
    int Left() const { return self()->x(); }
    void setLeft(int v) { self()->move(v, self()->y()); }
    int Top() const { return self()->y(); }
    void setTop(int v) { self()->move(self()->x(), v); }
    int Width() const { return self()->width(); }
    void setWidth(int v) { self()->resize(v, self()->height()); }
    int Height() const { return self()->height(); }
    void setHeight(int v) { self()->resize(self()->width(), v); }
    void SetBounds(int left, int top, int width, int height) { self()->setGeometry(left, top, width, height); }

    int Tag() const { return FTag; }
    void setTag(int v) { FTag = v; }

    // The stored flag, not whether the control can be seen right now.
    bool Visible() const { return !self()->isHidden(); }
    bool Enabled() const { return !self()->testAttribute(Qt::WA_Disabled); }

    Vcl::TAnchors Anchors() const { return FAnchors; }
    void setAnchors(Vcl::TAnchors v)
    {
        FAnchors = v;
        if (QWidget *parent = self()->parentWidget())
            TrackAnchorParent(parent);
    }

    QString Hint() const { return self()->toolTip(); }
    void setHint(const QString &v) { self()->setToolTip(v); }

    // Position among the parent's focusable controls; applied by the page
    // reader once the whole page exists.
    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int v) { FTabOrder = v; }

private:
    W *self() { return static_cast<W *>(this); }
    const W *self() const { return static_cast<const W *>(this); }

    int FTag = 0;
    int FTabOrder = -1;
    Vcl::TAnchors FAnchors = Vcl::DefaultAnchors;
};


// Orders the focus chain of every container below root by TabOrder.
void ApplyTabOrders(QWidget *root);
