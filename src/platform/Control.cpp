#include "platform/Control.h"

#include <QMainWindow>
#include <QVariant>

#include <algorithm>

namespace {
constexpr char designingKey[] = "_designing";
constexpr char loadingKey[] = "_loading";
constexpr char anchorSizeKey[] = "_anchorSize";

Vcl::TAnchors anchorsOf(const QObject *control)
{
    const QVariant v = control->property("Anchors");
    return v.isValid() ? v.value<Vcl::TAnchors>() : Vcl::DefaultAnchors;
}

// Returns the new offset and length along one axis.
std::pair<int, int> anchorAxis(bool nearEdge, bool farEdge, int pos, int len, int delta)
{
    if (nearEdge && farEdge)
        return {pos, len + delta};
    if (farEdge)
        return {pos + delta, len};
    if (!nearEdge)
        return {pos + delta / 2, len};
    return {pos, len};
}
} // namespace

bool IsDesigning(const QObject *component)
{
    return component && component->property(designingKey).toBool();
}

void SetDesigning(QObject *component, bool designing)
{
    component->setProperty(designingKey, designing ? QVariant(true) : QVariant());
}

bool IsLoading(const QObject *component)
{
    return component && component->property(loadingKey).toBool();
}

void SetLoading(QObject *component, bool loading)
{
    component->setProperty(loadingKey, loading ? QVariant(true) : QVariant());
}

QWidget *ParentControl(const QWidget *control)
{
    QWidget *parent = control->parentWidget();
    if (parent) {
        if (auto *window = qobject_cast<QMainWindow *>(parent->parentWidget());
            window && window->centralWidget() == parent)
            return window;
    }
    return parent;
}

void TrackAnchorParent(QWidget *parent)
{
    if (!parent->property(anchorSizeKey).isValid())
        parent->setProperty(anchorSizeKey, parent->size());
}

void ApplyAnchors(QWidget *parent)
{
    const QVariant noted = parent->property(anchorSizeKey);
    if (!noted.isValid() || noted.toSize() == parent->size())
        return;
    const int dx = parent->width() - noted.toSize().width();
    const int dy = parent->height() - noted.toSize().height();
    parent->setProperty(anchorSizeKey, parent->size());
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        const Vcl::TAnchors a = anchorsOf(w);
        if (a == Vcl::DefaultAnchors)
            continue;
        const auto [x, width] = anchorAxis(a & Vcl::akLeft, a & Vcl::akRight, w->x(), w->width(), dx);
        const auto [y, height] = anchorAxis(a & Vcl::akTop, a & Vcl::akBottom, w->y(), w->height(), dy);
        w->setGeometry(x, y, std::max(0, width), std::max(0, height));
    }
}

void ApplyTabOrders(QWidget *root)
{
    QList<QWidget *> containers = root->findChildren<QWidget *>();
    containers.prepend(root);
    for (QWidget *container : containers) {
        QList<QWidget *> ordered;
        for (QObject *child : container->children()) {
            auto *w = qobject_cast<QWidget *>(child);
            if (!w || w->isWindow())
                continue;
            const QVariant order = w->property("TabOrder");
            if (order.isValid() && order.toInt() >= 0)
                ordered.append(w);
        }
        std::stable_sort(ordered.begin(), ordered.end(), [](QWidget *a, QWidget *b) {
            return a->property("TabOrder").toInt() < b->property("TabOrder").toInt();
        });
        for (qsizetype i = 1; i < ordered.size(); ++i)
            QWidget::setTabOrder(ordered[i - 1], ordered[i]);
    }
}
