#pragma once

#include <QObject>

#include <functional>

// Carries an event of a component to a handler found by name: a signal
// with the sender is connected to relay(), which calls the handler.
class THandlerRelay : public QObject
{
    Q_OBJECT

public:
    THandlerRelay(QObject *sender, std::function<void(QObject *)> handler)
        : QObject(sender), FHandler(std::move(handler))
    {
    }

public slots:
    void relay(QObject *Sender) { FHandler(Sender); }

private:
    std::function<void(QObject *)> FHandler;
};
