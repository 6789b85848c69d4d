#include "TestSupport.h"
#include "platform/Application.h"
#include "platform/ClassName.h"
#include "platform/Color.h"
#include "platform/Control.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/Messages.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TApplication &app()
{
    return *TApplication::Instance();
}

// Runs the event loop for a while, as the running program would.
void runLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(Application, IdleRunsOnceWhenTheQueueEmptiesUntilSomethingHappens)
{
    int calls = 0;
    app().OnIdle = [&](QObject *sender, bool &) {
        EXPECT_EQ(sender, &app());
        ++calls;
    };
    runLoop(100);
    app().OnIdle = nullptr;
    // The loop's own quit timer is activity, so idle may come a few times,
    // but not on every turn of a busy loop.
    EXPECT_GE(calls, 1);
    EXPECT_LE(calls, 5);
}

TEST(Application, IdleHandlerCanUnhookItself)
{
    int calls = 0;
    app().OnIdle = [&](QObject *, bool &) {
        ++calls;
        app().OnIdle = nullptr;
    };
    runLoop(50);
    QTimer ticker;
    ticker.start(5);
    runLoop(100);
    EXPECT_EQ(calls, 1);
}

TEST(Application, IdleNotDoneIsCalledAgainWithoutWaiting)
{
    int calls = 0;
    app().OnIdle = [&](QObject *, bool &done) {
        done = ++calls >= 10;
    };
    runLoop(50);
    app().OnIdle = nullptr;
    EXPECT_GE(calls, 10);
}

class Thrower : public QWidget
{
protected:
    void mousePressEvent(QMouseEvent *) override { throw std::runtime_error("Not enough timers available"); }
};

TEST(Application, ExceptionFromAnEventHandlerIsReportedAndTheProgramGoesOn)
{
    TRecordingMessageBoxes boxes;
    QWidget window;
    auto *thrower = new Thrower;
    thrower->setParent(&window);
    thrower->setGeometry(0, 0, 50, 50);
    auto *button = new QPushButton(&window);
    button->setGeometry(60, 0, 50, 30);
    int clicked = 0;
    QObject::connect(button, &QPushButton::clicked, [&] {
        if (++clicked == 1)
            throw std::runtime_error("handler failed");
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(thrower, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);

    ASSERT_EQ(boxes.Shown.size(), 2);
    EXPECT_EQ(boxes.Shown[0].Text, QStringLiteral("Not enough timers available"));
    EXPECT_EQ(boxes.Shown[0].Icon, TMsgIcon::Error);
    EXPECT_EQ(boxes.Shown[0].Caption, app().Title());
    EXPECT_EQ(boxes.Shown[1].Text, QStringLiteral("handler failed"));
    EXPECT_EQ(clicked, 2) << "the program goes on after a report";
}

TEST(Application, ExceptionFromATimerIsReported)
{
    TRecordingMessageBoxes boxes;
    QTimer::singleShot(0, [] { throw std::runtime_error("tick"); });
    runLoop(50);
    ASSERT_EQ(boxes.Shown.size(), 1);
    EXPECT_EQ(boxes.Shown[0].Text, QStringLiteral("tick"));
}

// Records the enter and exit messages a container receives.
class Container : public QWidget
{
public:
    explicit Container(QList<QString> &log, const QString &name, QWidget *parent = nullptr)
        : QWidget(parent), FLog(log), FName(name)
    {
    }

protected:
    bool event(QEvent *event) override
    {
        if (const TMessageEvent *m = AsMessage(event)) {
            if (m->Msg == Messages::CM_ENTER)
                FLog.append(FName + QStringLiteral(" enter"));
            if (m->Msg == Messages::CM_EXIT)
                FLog.append(FName + QStringLiteral(" exit"));
            return true;
        }
        return QWidget::event(event);
    }

private:
    QList<QString> &FLog;
    QString FName;
};

TEST(Application, FocusMovingIntoAContainerRaisesItsEnterEvent)
{
    QList<QString> log;
    QWidget window;
    auto *outside = new QLineEdit(&window);
    auto *panel = new Container(log, QStringLiteral("panel"), &window);
    panel->move(0, 40);
    auto *first = new QLineEdit(panel);
    auto *second = new QLineEdit(panel);
    second->move(0, 25);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    outside->setFocus();
    QCoreApplication::processEvents();
    log.clear();
    first->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QList<QString>{QStringLiteral("panel enter")});

    log.clear();
    second->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(log.isEmpty()) << "moving within the container is no entry";

    outside->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QList<QString>{QStringLiteral("panel exit")});
}

TEST(Application, AnchoredControlsFollowTheirParent)
{
    QWidget parent;
    parent.resize(200, 100);
    const struct {
        Vcl::TAnchors anchors;
        QRect expected;
    } rows[] = {
        {Vcl::DefaultAnchors, {10, 10, 50, 20}},
        {Vcl::akRight | Vcl::akTop, {40, 10, 50, 20}},
        {Vcl::akLeft | Vcl::akRight | Vcl::akTop, {10, 10, 80, 20}},
        {Vcl::akLeft | Vcl::akTop | Vcl::akBottom, {10, 10, 50, 40}},
        {Vcl::akLeft | Vcl::akTop | Vcl::akRight | Vcl::akBottom, {10, 10, 80, 40}},
        {Vcl::TAnchors(), {25, 20, 50, 20}},
    };
    QList<TLabel *> labels;
    for (const auto &row : rows) {
        auto *label = new TLabel(&parent);
        label->setAutoSize(false);
        label->setGeometry(10, 10, 50, 20);
        label->setAnchors(row.anchors);
        labels.append(label);
    }
    // Hidden: Qt defers the resize event until the parent shows.
    parent.resize(230, 120);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    for (qsizetype i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i]->geometry(), rows[i].expected) << "row " << i;
}

TEST(Platform, ColorsKeepRedInTheLowestByte)
{
    EXPECT_EQ(ColorToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorToQColor(128), QColor(128, 0, 0));
    EXPECT_EQ(ColorToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(QColorToColor(QColor(0, 255, 255)), 0xFFFF00);
    EXPECT_EQ(ColorToQColor(Colors::clBtnFace), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(ColorToQColor(Colors::clWindow), QApplication::palette().color(QPalette::Base));
    TColor c = 0;
    EXPECT_TRUE(IdentToColor(QStringLiteral("clwhite"), c));
    EXPECT_EQ(c, 0xFFFFFF);
    EXPECT_FALSE(IdentToColor(QStringLiteral("clChartreuse"), c));
}

TEST(Platform, WindowsFontsMapToAnInstalledFamily)
{
    for (const char *family : {"MS Sans Serif", "Tahoma", "Verdana"}) {
        const QFontInfo info{QFont(QLatin1String(family))};
        EXPECT_TRUE(QFontDatabase::hasFamily(info.family())) << family;
        EXPECT_NE(QFont::substitute(QLatin1String(family)), QLatin1String(family)) << family;
    }
}

TEST(Platform, ClassTestIsByExactNameWithoutCase)
{
    TEdit edit;
    EXPECT_TRUE(IsClass(&edit, "TEdit"));
    EXPECT_TRUE(IsClass(&edit, "tedit"));
    EXPECT_FALSE(IsClass(&edit, "QLineEdit")) << "a TEdit is derived from it, which does not qualify";
    EXPECT_FALSE(IsClass(nullptr, "TEdit"));
}

} // namespace
