#include "SetupCtrls/BoardImage.h"
#include "SetupCtrls/RadioPanel.h"
#include "SetupCtrls/TwoJumper.h"
#include "TestSupport.h"
#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/Edit.h"
#include "platform/HandlerRelay.h"
#include "platform/Label.h"
#include "platform/MenuItem.h"
#include "template/MainForm.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// Checks the page built from the shipped description against the page's
// tables, so that a slip in the data fails here.
namespace {

struct Row
{
    QString name;
    const char *className;
    const char *parent;
    QRect bounds;
};

QStringList handlersOf(const QObject *component)
{
    QStringList names;
    for (const THandlerRelay *relay : component->findChildren<THandlerRelay *>(Qt::FindDirectChildrenOnly))
        names.append(relay->objectName());
    return names;
}

QList<Row> expectedControls()
{
    QList<Row> rows = {
        {"BoardImage1", "TBoardImage", "MainForm", {223, 130, 400, 378}},
        {"BasePanel", "TRadioPanel", "MainForm", {608, 24, 201, 129}},
        {"IRQPanel", "TRadioPanel", "MainForm", {8, 216, 217, 121}},
        {"filterPanel", "TRadioPanel", "MainForm", {344, 528, 449, 65}},
        {"port0Panel", "TRadioPanel", "MainForm", {64, 72, 201, 9}},
        {"port1Panel", "TRadioPanel", "MainForm", {624, 264, 201, 9}},
        {"BaseLabelFeedback", "TLabel", "BasePanel", {88, 17, 65, 17}},
        {"Label4", "TLabel", "BasePanel", {71, 83, 17, 17}},
        {"Label7", "TLabel", "BasePanel", {55, 83, 17, 17}},
        {"BaseEdit", "TEdit", "BasePanel", {20, 15, 57, 21}},
        {"IRQCombo", "TComboBox", "IRQPanel", {24, 72, 169, 21}},
    };
    const int baseLefts[] = {56, 72, 88, 106, 123, 140, 157}; // A3 .. A9
    for (int bit = 3; bit <= 9; ++bit)
        rows.append({QStringLiteral("BaseJumper%1").arg(bit), "TTwoJumper", "BasePanel", {baseLefts[bit - 3], 48, 18, 34}});
    const int labelLefts[] = {87, 104, 121, 138, 155}; // A5 .. A9
    for (int bit = 5; bit <= 9; ++bit)
        rows.append({QStringLiteral("BaseLabel%1").arg(bit), "TLabel", "BasePanel", {labelLefts[bit - 5], 83, 17, 17}});
    const struct { int irq, left; } irqs[] = {{3, 176}, {4, 160}, {5, 144}, {6, 128}, {7, 112}, {9, 96},
                                             {10, 80}, {11, 64}, {12, 48}, {14, 32}, {15, 16}};
    for (const auto &i : irqs)
        rows.append({QStringLiteral("IRQJumper%1").arg(i.irq), "TTwoJumper", "IRQPanel", {i.left, 32, 18, 34}});
    const int filterLefts[] = {8, 24, 40, 56, 72, 88, 104, 120, 136, 152, 168, 184,
                               424, 408, 392, 344, 360, 376, 328, 312, 296, 280, 264, 248};
    for (int i = 0; i < 24; ++i)
        rows.append({QStringLiteral("TwoJumper%1").arg(i + 1), "TTwoJumper", "filterPanel", {filterLefts[i], 24, 18, 34}});
    return rows;
}

// Automatically sized labels: their place, caption and parent; the size
// follows the font.
struct AutoLabel
{
    const char *name;
    const char *parent;
    QPoint topLeft;
    const char *caption;
};

const AutoLabel autoLabels[] = {
    {"Label8", "IRQPanel", {180, 16}, "3"},   {"Label9", "IRQPanel", {164, 16}, "4"},
    {"Label10", "IRQPanel", {148, 16}, "5"},  {"Label11", "IRQPanel", {132, 16}, "6"},
    {"Label12", "IRQPanel", {116, 16}, "7"},  {"Label13", "IRQPanel", {100, 16}, "9"},
    {"Label14", "IRQPanel", {82, 16}, "10"},  {"Label17", "IRQPanel", {66, 16}, "11"},
    {"Label18", "IRQPanel", {50, 16}, "12"},  {"Label19", "IRQPanel", {34, 16}, "14"},
    {"Label20", "IRQPanel", {18, 16}, "15"},  {"Label1", "filterPanel", {12, 8}, "0"},
    {"Label2", "filterPanel", {184, 8}, "11"}, {"Label3", "filterPanel", {248, 8}, "12"},
    {"Label5", "filterPanel", {424, 8}, "23"},
};

class PageTest : public ::testing::Test
{
protected:
    void SetUp() override { form = std::make_unique<TMainForm>(); }

    template <class T = QWidget>
    T *find(const QString &name) const
    {
        return form->findChild<T *>(name);
    }

    std::unique_ptr<TMainForm> form;
};

TEST_F(PageTest, EveryControlHasItsClassParentAndBounds)
{
    for (const Row &row : expectedControls()) {
        QWidget *w = find(row.name);
        ASSERT_NE(w, nullptr) << row.name.toStdString();
        EXPECT_STREQ(w->metaObject()->className(), row.className) << row.name.toStdString();
        EXPECT_EQ(ParentControl(w)->objectName(), QLatin1String(row.parent)) << row.name.toStdString();
        EXPECT_EQ(w->geometry(), row.bounds) << row.name.toStdString();
    }
    for (const AutoLabel &l : autoLabels) {
        auto *label = find<TLabel>(QLatin1String(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(ParentControl(label)->objectName(), QLatin1String(l.parent)) << l.name;
        EXPECT_EQ(label->pos(), l.topLeft) << l.name;
        EXPECT_EQ(label->Caption(), QLatin1String(l.caption)) << l.name;
        EXPECT_TRUE(label->AutoSize()) << l.name;
        EXPECT_EQ(label->size(), QSize(label->fontMetrics().horizontalAdvance(label->Caption()),
                                       label->fontMetrics().height()))
            << l.name;
    }
}

TEST_F(PageTest, JumpersHaveTheirStatesTagsAndHandlers)
{
    for (const Row &row : expectedControls()) {
        auto *jumper = find<TTwoJumper>(row.name);
        if (!jumper)
            continue;
        const std::string name = row.name.toStdString();
        EXPECT_EQ(jumper->Orientation(), TTwoJumper::otLeft) << name;
        EXPECT_EQ(jumper->BorderStyle(), Vcl::bsSingle) << name;
        EXPECT_EQ(jumper->BaseColor(), Colors::clGray) << name;
        if (row.name.startsWith(QLatin1String("BaseJumper"))) {
            const int bit = row.name.mid(10).toInt();
            EXPECT_EQ(jumper->Closed(), bit <= 7) << name;
            EXPECT_EQ(handlersOf(jumper), QStringList{QStringLiteral("BaseJumperClick")}) << name;
        } else if (row.name.startsWith(QLatin1String("IRQJumper"))) {
            EXPECT_EQ(jumper->Closed(), row.name == QLatin1String("IRQJumper5")) << name;
            EXPECT_EQ(handlersOf(jumper), QStringList{QStringLiteral("IRQJumperClick")}) << name;
        } else {
            EXPECT_FALSE(jumper->Closed()) << name;
            EXPECT_TRUE(handlersOf(jumper).isEmpty()) << name;
        }
    }
    EXPECT_EQ(find<TTwoJumper>("IRQJumper9")->Tag(), 6);
    EXPECT_EQ(find<TTwoJumper>("IRQJumper15")->Tag(), 11);
}

TEST_F(PageTest, PanelsCarryTheirHelpLinesAndSettings)
{
    const struct {
        const char *name;
        int tabOrder;
        QStringList lines;
        QStringList handlers;
    } panels[] = {
        {"BasePanel", 1,
         {"Enter the base address(in hex) on the top, then set the card's base address jumpers to match the ones on the bottom.",
          "",
          "If the card can't be set to that address, a similar address the card can be set to will appear to the right of "
          "the invalid one, and the jumpers will be displayed for that address."},
         {}},
        {"IRQPanel", 2, {"Set the jumper to specify on which IRQ the card will generate interrupts."}, {"IRQPanelEnter"}},
        {"filterPanel", 3,
         {"These jumpers activate the input filters for Port 0. These filters are useful for noisy environments and are "
          "required for AC inputs."},
         {}},
        {"port0Panel", 4, {"This header has the pins for Port 0. "}, {}},
        {"port1Panel", 5, {"This header has the pins for Port 1. "}, {}},
    };
    for (const auto &p : panels) {
        auto *panel = find<TRadioPanel>(QLatin1String(p.name));
        ASSERT_NE(panel, nullptr) << p.name;
        EXPECT_EQ(panel->TabOrder(), p.tabOrder) << p.name;
        EXPECT_EQ(panel->Lines(), p.lines) << p.name;
        EXPECT_EQ(handlersOf(panel), p.handlers) << p.name;
        EXPECT_FALSE(panel->Visible()) << p.name;
        EXPECT_FALSE(panel->RadioEnabled()) << p.name;
        EXPECT_EQ(panel->BevelOuter(), Vcl::bvNone) << p.name;
        EXPECT_EQ(panel->MemoHeight(), 58) << p.name;
        EXPECT_EQ(panel->FinalAnchors(), Vcl::DefaultAnchors) << p.name;
        EXPECT_EQ(panel->Anchors(), Vcl::DefaultAnchors) << p.name;
    }
    EXPECT_TRUE(find<TRadioPanel>("port0Panel")->findChildren<QWidget *>().isEmpty());
}

TEST_F(PageTest, AddressAndIRQControlsStartConsistent)
{
    auto *edit = find<TEdit>("BaseEdit");
    EXPECT_EQ(edit->Text(), QStringLiteral("300"));
    EXPECT_EQ(edit->TabOrder(), 0);
    EXPECT_EQ(edit->Color(), Colors::clWindow);
    EXPECT_EQ(handlersOf(edit), QStringList{QStringLiteral("BaseEditChange")});
    EXPECT_EQ(find<TLabel>("BaseLabelFeedback")->Caption(), QString());
    EXPECT_EQ(find<TLabel>("BaseLabelFeedback")->Alignment(), Vcl::taCenter);
    EXPECT_FALSE(find<TLabel>("BaseLabelFeedback")->AutoSize());
    for (const char *name : {"BaseLabel5", "BaseLabel9", "Label4", "Label7"}) {
        auto *label = find<TLabel>(QLatin1String(name));
        EXPECT_EQ(label->Alignment(), Vcl::taRightJustify) << name;
        EXPECT_EQ(label->Layout(), Vcl::tlCenter) << name;
        EXPECT_FALSE(label->AutoSize()) << name;
    }
    EXPECT_EQ(find<TLabel>("Label7")->Caption(), QStringLiteral("A3"));
    EXPECT_EQ(find<TLabel>("Label4")->Caption(), QStringLiteral("A4"));

    auto *combo = find<TComboBox>("IRQCombo");
    EXPECT_EQ(combo->Items(), (QStringList{"IRQs Disabled", "IRQ 3", "IRQ 4", "IRQ 5", "IRQ 6", "IRQ 7", "IRQ 9",
                                           "IRQ 10", "IRQ 11", "IRQ 12", "IRQ 14", "IRQ 15"}));
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Style(), Vcl::csDropDownList);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->ItemHeight(), 13);
    EXPECT_EQ(handlersOf(combo), QStringList{QStringLiteral("IRQComboChange")});
}

TEST_F(PageTest, BoardImageHoldsThePhotographStretched)
{
    auto *image = find<TBoardImage>("BoardImage1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Picture()->width(), 600);
    EXPECT_EQ(image->Picture()->height(), 567);
    EXPECT_DOUBLE_EQ(image->AspectRatio(), 0.945);
    EXPECT_TRUE(image->Stretch());
    EXPECT_FALSE(image->AutoSize());
    EXPECT_FALSE(image->Center());
    EXPECT_FALSE(image->Transparent());
    EXPECT_TRUE(image->CenterOnForm());
    EXPECT_TRUE(image->Scale());
    EXPECT_EQ(image->Constraints()->MaxWidth(), 400);
    EXPECT_EQ(image->Constraints()->MaxHeight(), 400);
    EXPECT_EQ(image->Menu(), form->Menu());
    EXPECT_EQ(image, form->ClientArea()->children().value(0)) << "first in the description, lowest on screen";

    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::qWait(50);
    EXPECT_EQ(image->size(), QSize(400, 378));
    EXPECT_EQ(image->pos(), QPoint((form->Width() - 400) / 2, (form->Height() - 378) / 2));
    EXPECT_EQ(QPoint(image->HomeLeft(), image->HomeTop()), QPoint(223, 130));
    // The photograph, not the white page, fills the image's middle.
    const QImage shown = form->grab().toImage();
    const QPoint middle = image->mapTo(form.get(), QPoint(200, 189));
    EXPECT_NE(shown.pixel(middle) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shown.pixel(image->mapTo(form.get(), QPoint(-10, 189))) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(PageTest, WindowAndMenuAreWiredToTheirHandlers)
{
    EXPECT_EQ(handlersOf(form.get()), QStringList{QStringLiteral("FormCreate")});
    const struct { const char *item, *handler; } menu[] = {
        {"Exit2", "Exit2Click"},
        {"Howtousethisprogram1", "Howtousethisprogram1Click"},
        {"TechnicalSupport1", "TechnicalSupport1Click"},
    };
    for (const auto &m : menu)
        EXPECT_EQ(handlersOf(form->findChild<TMenuItem *>(QLatin1String(m.item))), QStringList{QLatin1String(m.handler)})
            << m.item;
    EXPECT_EQ(form->Menu(), form->findChild<TMainMenu *>(QStringLiteral("MainMenu1")));
    EXPECT_EQ(form->WindowState(), Vcl::wsMaximized);
    EXPECT_EQ(form->Align(), Vcl::alClient);
    EXPECT_EQ(form->Position(), Vcl::poScreenCenter);
}

} // namespace
