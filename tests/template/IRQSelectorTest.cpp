#include "SetupCtrls/RadioPanel.h"
#include "SetupCtrls/TwoJumper.h"
#include "TestSupport.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "template/MainForm.h"

#include <QAbstractItemView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class IRQSelector : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<TMainForm>();
        panel = form->findChild<TRadioPanel *>(QStringLiteral("IRQPanel"));
        combo = form->findChild<TComboBox *>(QStringLiteral("IRQCombo"));
        // Something outside the panel to take the focus, as a popup's
        // buttons will.
        outside = new QPushButton(QStringLiteral("Next"), form->ClientArea());
        outside->move(600, 400);
        form->Show();
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    TTwoJumper *jumper(int irq) const
    {
        return form->findChild<TTwoJumper *>(QStringLiteral("IRQJumper%1").arg(irq));
    }

    // The IRQs whose jumpers are closed.
    QList<int> closedIRQs() const
    {
        QList<int> irqs;
        for (int irq : {3, 4, 5, 6, 7, 9, 10, 11, 12, 14, 15})
            if (jumper(irq)->Closed())
                irqs.append(irq);
        return irqs;
    }

    // Chooses an item the way a person does: open the list, click the item.
    void choose(const QString &text)
    {
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        const QModelIndex index = view->model()->index(combo->findText(text), 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QTest::qWait(10);
    }

    void focusOutAndBack()
    {
        outside->setFocus();
        QCoreApplication::processEvents();
        combo->setFocus();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TMainForm> form;
    TRadioPanel *panel;
    TComboBox *combo;
    QPushButton *outside;
};

TEST_F(IRQSelector, FirstEntryShowsIRQ5AsTheJumpersDo)
{
    combo->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(combo->currentText(), QStringLiteral("IRQ 5"));
    EXPECT_EQ(closedIRQs(), QList<int>{5});
}

TEST_F(IRQSelector, ChoosingAnIRQClosesOnlyItsJumper)
{
    const struct { const char *item; QList<int> closed; } rows[] = {
        {"IRQ 9", {9}}, {"IRQ 15", {15}}, {"IRQ 3", {3}}, {"IRQs Disabled", {}}, {"IRQ 12", {12}},
    };
    for (const auto &row : rows) {
        choose(QLatin1String(row.item));
        EXPECT_EQ(combo->currentText(), QLatin1String(row.item));
        EXPECT_EQ(closedIRQs(), row.closed) << row.item;
    }
    EXPECT_EQ(jumper(9)->Tag(), 6) << "IRQ 9 is the sixth jumper from the right";
}

TEST_F(IRQSelector, ClickingJumpersSelectsTheirIRQ)
{
    QTest::mouseClick(jumper(15), Qt::LeftButton);
    EXPECT_EQ(closedIRQs(), QList<int>{15});
    EXPECT_EQ(combo->currentText(), QStringLiteral("IRQ 15"));

    QTest::mouseClick(jumper(15), Qt::LeftButton);
    EXPECT_EQ(closedIRQs(), QList<int>{});
    EXPECT_EQ(combo->currentText(), QStringLiteral("IRQs Disabled"));

    QTest::mouseClick(jumper(4), Qt::LeftButton);
    EXPECT_EQ(closedIRQs(), QList<int>{4});
    EXPECT_EQ(combo->currentText(), QStringLiteral("IRQ 4"));
}

TEST_F(IRQSelector, ASelectionSetByTheProgramRaisesNoChange)
{
    QSignalSpy changes(combo, &TComboBox::OnChange);
    combo->setItemIndex(7);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(closedIRQs(), QList<int>{5});
}

// Coming back to the list after another choice shows the IRQ the jumpers
// select, never a fixed one that disagrees with them.
TEST_F(IRQSelector, ReenteringThePanelShowsTheJumpersIRQ)
{
    choose(QStringLiteral("IRQ 7"));
    focusOutAndBack();
    EXPECT_EQ(combo->currentText(), QStringLiteral("IRQ 7"));
    EXPECT_EQ(closedIRQs(), QList<int>{7});

    QTest::mouseClick(jumper(7), Qt::LeftButton);
    focusOutAndBack();
    EXPECT_EQ(combo->currentText(), QStringLiteral("IRQs Disabled"));
    EXPECT_EQ(closedIRQs(), QList<int>{});
}

TEST_F(IRQSelector, AClickFromAnythingButAJumperIsATypeCastFailure)
{
    EXPECT_THROW(form->IRQJumperClick(combo), std::runtime_error);
    EXPECT_EQ(closedIRQs(), QList<int>{5});
}

} // namespace
