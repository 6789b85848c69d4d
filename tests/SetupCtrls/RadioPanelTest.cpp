#include "SetupCtrls/RadioPanel.h"
#include "SetupCtrls/TwoJumper.h"
#include "TestSupport.h"
#include "platform/Label.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(RadioPanel, StartsHiddenWithoutBevelOrCaption)
{
    TRadioPanel panel;
    EXPECT_EQ(panel.size(), QSize(194, 100));
    EXPECT_FALSE(panel.Visible());
    EXPECT_EQ(panel.BevelOuter(), Vcl::bvNone);
    EXPECT_EQ(panel.BevelInner(), Vcl::bvNone);
    EXPECT_EQ(panel.MemoHeight(), 58);
    EXPECT_EQ(panel.Anchors(), Vcl::DefaultAnchors);
    EXPECT_EQ(panel.FinalAnchors(), Vcl::DefaultAnchors);
    EXPECT_FALSE(panel.RadioEnabled());
    EXPECT_TRUE(panel.Lines().isEmpty());
    EXPECT_EQ(panel.Color(), Colors::clBtnFace);
    // No caption, no bevel: every pixel is the panel's colour.
    const QImage image = Render(&panel);
    EXPECT_EQ(image.copy(1, 1, 192, 98), [] {
        QImage plain(192, 98, QImage::Format_RGB32);
        plain.fill(ColorToQColor(Colors::clBtnFace));
        return plain;
    }());
}

class RadioRule : public ::testing::Test
{
protected:
    void SetUp() override
    {
        panel.setRadioEnabled(true);
        for (auto *&j : jumpers)
            j = new TTwoJumper(&panel);
        label = new TLabel(&panel);
        label->setCaption(QStringLiteral("IRQ"));
        panel.show();
    }

    // The order in which the panel's event and the jumper's own click
    // event arrive, with their senders.
    void watch()
    {
        QObject::connect(&panel, &TRadioPanel::OnRadioChange, [this](QObject *s) { events.append({"radio", s}); });
        for (TTwoJumper *j : jumpers)
            QObject::connect(j, &TTwoJumper::OnClick, [this](QObject *s) { events.append({"click", s}); });
    }

    QList<bool> states() const
    {
        QList<bool> s;
        for (TTwoJumper *j : jumpers)
            s.append(j->Closed());
        return s;
    }

    TRadioPanel panel;
    TTwoJumper *jumpers[3];
    TLabel *label;
    QList<std::pair<QString, QObject *>> events;
};

TEST_F(RadioRule, ClickOnAnotherJumperSwitchesAndReportsTheJumper)
{
    jumpers[0]->setClosed(true);
    watch();
    QTest::mouseClick(jumpers[2], Qt::LeftButton);
    EXPECT_EQ(states(), (QList<bool>{false, false, true}));
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0], std::make_pair(QStringLiteral("radio"), static_cast<QObject *>(jumpers[2])));
    EXPECT_EQ(events[1], std::make_pair(QStringLiteral("click"), static_cast<QObject *>(jumpers[2])));
    EXPECT_EQ(label->Caption(), QStringLiteral("IRQ"));
}

TEST_F(RadioRule, ClickOnTheClosedJumperKeepsItClosedAndStillReports)
{
    jumpers[1]->setClosed(true);
    watch();
    QTest::mouseClick(jumpers[1], Qt::LeftButton);
    EXPECT_EQ(states(), (QList<bool>{false, true, false}));
    EXPECT_EQ(events.size(), 2);
    EXPECT_EQ(events.value(0).first, QStringLiteral("radio"));
}

TEST_F(RadioRule, FirstSelectionDoesNotReport)
{
    watch();
    QTest::mouseClick(jumpers[0], Qt::LeftButton);
    EXPECT_EQ(states(), (QList<bool>{true, false, false}));
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].first, QStringLiteral("click"));
}

TEST_F(RadioRule, WithoutRadioEnabledAClickOnlyToggles)
{
    panel.setRadioEnabled(false);
    jumpers[0]->setClosed(true);
    watch();
    QTest::mouseClick(jumpers[1], Qt::LeftButton);
    EXPECT_EQ(states(), (QList<bool>{true, true, false}));
    EXPECT_EQ(events.size(), 1);
}

TEST_F(RadioRule, JumpersInNestedContainersAreLeftAlone)
{
    auto *inner = new QWidget(&panel);
    auto *nested = new TTwoJumper(inner);
    nested->setClosed(true);
    panel.UpdateRadio(jumpers[0]);
    EXPECT_TRUE(nested->Closed());
    EXPECT_EQ(states(), (QList<bool>{true, false, false}));
}

TEST(RadioPanel, FinalAnchorsApplyOnlyOnceInItsPopup)
{
    QWidget host;
    host.resize(300, 200);
    auto *panel = new TRadioPanel(&host);
    const Vcl::TAnchors all = Vcl::akLeft | Vcl::akTop | Vcl::akRight | Vcl::akBottom;
    panel->setFinalAnchors(all);
    EXPECT_EQ(panel->Anchors(), Vcl::DefaultAnchors);
    panel->SetInPopup();
    EXPECT_EQ(panel->Anchors(), all);
    panel->setFinalAnchors(Vcl::akLeft | Vcl::akRight);
    EXPECT_EQ(panel->Anchors(), Vcl::akLeft | Vcl::akRight);
}

TEST(RadioPanel, LinesAreCopiedOnAssignment)
{
    TRadioPanel panel;
    QStringList lines{QStringLiteral("one"), QString()};
    panel.setLines(lines);
    lines[0] = QStringLiteral("changed");
    lines.append(QStringLiteral("three"));
    EXPECT_EQ(panel.Lines(), (QStringList{QStringLiteral("one"), QString()}));
}

} // namespace
