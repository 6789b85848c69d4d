#pragma once

#include <QEvent>
#include <cstdint>

class QObject;

// Window messages the components exchange, carried as Qt events. A message
// number, a WParam and an LParam, as the components expect of them.
namespace Messages {
inline constexpr unsigned WM_USER = 0x0400;
inline constexpr unsigned CM_ENTER = 0xB00A;
inline constexpr unsigned CM_EXIT = 0xB00B;
inline constexpr unsigned CM_MOUSEENTER = 0xB013;
inline constexpr unsigned CM_MOUSELEAVE = 0xB014;
// Starts the guided tour on a board image.
inline constexpr unsigned WM_STARTTOUR = WM_USER + 162;
} // namespace Messages

class TMessageEvent : public QEvent
{
public:
    TMessageEvent(unsigned msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

    static QEvent::Type eventType();

    unsigned Msg;
    std::intptr_t WParam;
    std::intptr_t LParam;
    std::intptr_t Result = 0;
};

// Delivers the message at once and returns the receiver's Result.
std::intptr_t SendMessage(QObject *receiver, unsigned msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
// Queues the message for the event loop.
void PostMessage(QObject *receiver, unsigned msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
// The message an event carries, or nullptr when it carries none.
TMessageEvent *AsMessage(QEvent *event);
