#include "platform/Messages.h"

#include <QCoreApplication>

TMessageEvent::TMessageEvent(unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
    : QEvent(eventType()), Msg(msg), WParam(wParam), LParam(lParam)
{
}

QEvent::Type TMessageEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

std::intptr_t SendMessage(QObject *receiver, unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    TMessageEvent event(msg, wParam, lParam);
    QCoreApplication::sendEvent(receiver, &event);
    return event.Result;
}

void PostMessage(QObject *receiver, unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    QCoreApplication::postEvent(receiver, new TMessageEvent(msg, wParam, lParam));
}

TMessageEvent *AsMessage(QEvent *event)
{
    return event->type() == TMessageEvent::eventType() ? static_cast<TMessageEvent *>(event) : nullptr;
}
