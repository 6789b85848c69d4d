#include "SetupCtrls/RadioPanel.h"
#include "SetupCtrls/TwoJumper.h"
#include "TestSupport.h"
#include "platform/Application.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/HandlerRelay.h"
#include "platform/Label.h"
#include "platform/MenuItem.h"
#include "template/MainForm.h"

#include <QAbstractItemView>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

class MainFormTest : public ::testing::Test
{
protected:
    void SetUp() override { form = std::make_unique<TMainForm>(); }

    template <class T = QObject>
    T *find(const char *name) const
    {
        T *found = form->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    TMenuItem *item(const char *name) const { return find<TMenuItem>(name); }

    std::unique_ptr<TMainForm> form;
};

TEST_F(MainFormTest, IsTheWhiteSetupWindowWithItsMenu)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Setup"));
    EXPECT_EQ(form->Color(), Colors::clWhite);
    EXPECT_EQ(form->ClientArea()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(form->Font()->Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(form->font().pixelSize(), 11);

    const QList<QAction *> bar = form->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("&Help"));
    EXPECT_EQ(bar[0], item("File1")->action());
    EXPECT_EQ(bar[1], item("Help1")->action());
    EXPECT_EQ(item("Exit2")->Caption(), QStringLiteral("&Exit"));
    EXPECT_EQ(item("Exit2")->Parent(), item("File1"));
    EXPECT_EQ(item("Howtousethisprogram1")->Caption(), QStringLiteral("H&ow to use this program"));
    EXPECT_EQ(item("TechnicalSupport1")->Caption(), QStringLiteral("&Technical Support"));
    EXPECT_EQ(item("Help1")->Count(), 2);
    EXPECT_EQ(bar[0]->menu()->actions().size(), 1);
}

TEST_F(MainFormTest, OpensMaximisedOverTheWorkAreaWhateverItsDesignBounds)
{
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_TRUE(form->isMaximized());
    EXPECT_EQ(form->frameGeometry(), form->screen()->availableGeometry());
}

TEST_F(MainFormTest, PanelsStayHiddenOnThePage)
{
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    for (const char *name : {"BasePanel", "IRQPanel", "filterPanel", "port0Panel", "port1Panel"})
        EXPECT_FALSE(find<QWidget>(name)->isVisible()) << name;
}

TEST_F(MainFormTest, FormCreateFillsTheIRQTableInIRQOrder)
{
    const char *expected[] = {"IRQJumper3",  "IRQJumper4",  "IRQJumper5",  "IRQJumper6",
                              "IRQJumper7",  "IRQJumper9",  "IRQJumper10", "IRQJumper11",
                              "IRQJumper12", "IRQJumper14", "IRQJumper15"};
    for (int i = 0; i < 11; ++i) {
        ASSERT_NE(form->IRQJumpers[i], nullptr);
        EXPECT_EQ(form->IRQJumpers[i]->objectName(), QLatin1String(expected[i]));
        EXPECT_EQ(form->IRQJumpers[i]->Tag(), i + 1);
    }
    // Entry 0 is the rightmost jumper on the page, entry 10 the leftmost.
    EXPECT_EQ(form->IRQJumpers[0]->Left(), 176);
    EXPECT_EQ(form->IRQJumpers[10]->Left(), 16);
}

TEST_F(MainFormTest, HelpCommandsDoNothingWhileTheirWindowsDoNotExist)
{
    const auto before = QApplication::topLevelWidgets().size();
    item("Howtousethisprogram1")->action()->trigger();
    item("TechnicalSupport1")->action()->trigger();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
}

TEST_F(MainFormTest, FileExitAndTheCloseBoxEndTheProgramWithExitCodeZero)
{
    auto &app = *TApplication::Instance();
    for (bool useMenu : {true, false}) {
        auto main = std::make_unique<TMainForm>();
        app.SetMainForm(main.get());
        main->Show();
        QTimer::singleShot(50, [&] {
            if (useMenu)
                main->findChild<TMenuItem *>(QStringLiteral("Exit2"))->action()->trigger();
            else
                main->close();
        });
        // A stray window, as a popup will be, must not keep the program up.
        QWidget other;
        other.show();
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        guard.start(3000);
        EXPECT_EQ(QApplication::exec(), 0) << (useMenu ? "File > Exit" : "close box");
        EXPECT_FALSE(main->isVisible());
        app.SetMainForm(nullptr);
    }
}

} // namespace
