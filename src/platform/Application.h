#pragma once

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>

// The application object: Qt's, plus the idle event, the exception report
// and the enter/exit notifications the components rely on.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    // Raised each time the event queue runs empty. Done = false asks to be
    // called again without waiting for the next event.
    using TIdleEvent = std::function<void(QObject *Sender, bool &Done)>;

    TApplication(int &argc, char **argv);
    ~TApplication() override;

    static TApplication *Instance();

    // The handler may replace or clear itself while it runs.
    TIdleEvent OnIdle;

    QString Title() const;

    // The first form; closing it ends the program.
    QWidget *MainForm() const { return FMainForm; }
    void SetMainForm(QWidget *form) { FMainForm = form; }

    // The standard report of an exception that escaped a handler: a message
    // box with its text; the program goes on.
    void ShowException(const QString &message);

    bool notify(QObject *receiver, QEvent *event) override;

protected:
    bool event(QEvent *event) override;

private:
    void queueIdle();
    void focusMoved(QWidget *now);

    quint64 FActivity = 0;
    quint64 FIdleActivity = 0;
    bool FIdleQueued = false;
    bool FIdleAgain = true;
    QHash<QWidget *, QPointer<QWidget>> FFocused;
    QPointer<QWidget> FMainForm;
};

// Runs fn, reporting an exception it throws instead of letting it leave.
void Guarded(const std::function<void()> &fn);
