#include "platform/Application.h"

#include "platform/Control.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/MessageBox.h"

#include <QAbstractEventDispatcher>
#include <QFileInfo>
#include <QResizeEvent>

#include <exception>

namespace {

QEvent::Type idleEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// The chain from w up to its window, outermost first.
QList<QWidget *> ancestry(QWidget *w)
{
    QList<QWidget *> chain;
    for (; w; w = w->isWindow() ? nullptr : w->parentWidget())
        chain.prepend(w);
    return chain;
}

} // namespace

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    RegisterFontSubstitutes();
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TApplication::queueIdle);
    connect(this, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { focusMoved(now); });
}

TApplication::~TApplication() = default;

TApplication *TApplication::Instance()
{
    return qobject_cast<TApplication *>(QCoreApplication::instance());
}

QString TApplication::Title() const
{
    const QString name = applicationDisplayName();
    return name.isEmpty() ? QFileInfo(applicationFilePath()).baseName() : name;
}

void TApplication::ShowException(const QString &message)
{
    MessageBox(message, Title(), TMsgButtons::Ok, TMsgIcon::Error);
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    const bool idle = event->type() == idleEventType();
    if (!idle)
        ++FActivity;
    try {
        const bool result = QApplication::notify(receiver, event);
        if (event->type() == QEvent::Resize && receiver->isWidgetType())
            ApplyAnchors(static_cast<QWidget *>(receiver));
        return result;
    } catch (const std::exception &e) {
        ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowException(QStringLiteral("Unknown exception."));
    }
    return false;
}

// Called when the loop is about to wait: the queue is empty. The handler
// runs from a posted event rather than here, so that it may show windows or
// run modal loops of its own.
void TApplication::queueIdle()
{
    if (!OnIdle || FIdleQueued || (FActivity == FIdleActivity && !FIdleAgain))
        return;
    FIdleQueued = true;
    postEvent(this, new QEvent(idleEventType()), Qt::LowEventPriority);
}

bool TApplication::event(QEvent *event)
{
    if (event->type() != idleEventType())
        return QApplication::event(event);
    FIdleQueued = false;
    FIdleActivity = FActivity;
    FIdleAgain = false;
    if (TIdleEvent handler = OnIdle) {
        bool done = true;
        handler(this, done);
        FIdleAgain = !done;
    }
    return true;
}

// Focus moving between controls of one window: the containers it leaves get
// CM_EXIT (innermost first), those it enters CM_ENTER (outermost first).
// A window getting its focus back raises nothing, as its focused control
// did not change.
void TApplication::focusMoved(QWidget *now)
{
    if (!now)
        return;
    QWidget *window = now->window();
    QPointer<QWidget> &last = FFocused[window];
    if (last == now)
        return;
    const QList<QWidget *> from = last ? ancestry(last) : QList<QWidget *>();
    const QList<QWidget *> to = ancestry(now);
    last = now;
    qsizetype common = 0;
    while (common < from.size() && common < to.size() && from[common] == to[common])
        ++common;
    for (qsizetype i = from.size() - 1; i >= common; --i)
        SendMessage(from[i], Messages::CM_EXIT);
    for (qsizetype i = common; i < to.size(); ++i)
        SendMessage(to[i], Messages::CM_ENTER);
}

void Guarded(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (const std::exception &e) {
        if (auto *app = TApplication::Instance())
            app->ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        if (auto *app = TApplication::Instance())
            app->ShowException(QStringLiteral("Unknown exception."));
    }
}
