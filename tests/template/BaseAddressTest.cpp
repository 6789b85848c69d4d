#include "SetupCtrls/RadioPanel.h"
#include "SetupCtrls/TwoJumper.h"
#include "TestSupport.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "template/MainForm.h"

#include <QRandomGenerator>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The address panel shown in place on the main window, as a person at a
// debugging session would see it, driven through its real widgets.
class BaseAddress : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<TMainForm>();
        panel = form->findChild<TRadioPanel *>(QStringLiteral("BasePanel"));
        edit = form->findChild<TEdit *>(QStringLiteral("BaseEdit"));
        feedback = form->findChild<TLabel *>(QStringLiteral("BaseLabelFeedback"));
        for (int bit = 3; bit <= 9; ++bit)
            jumpers[bit - 3] = form->findChild<TTwoJumper *>(QStringLiteral("BaseJumper%1").arg(bit));
        form->Show();
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // Replaces the whole text at once, as pasting does.
    void paste(const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            edit->del();
        else
            edit->insert(text);
    }

    // Types key by key: every keystroke is a change of its own.
    void type(const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }

    // A3..A9 as text, "1" for closed: "1111100" is address 300.
    QString closedPattern() const
    {
        QString s;
        for (TTwoJumper *j : jumpers)
            s += j->Closed() ? u'1' : u'0';
        return s;
    }

    bool greyed() const
    {
        return edit->ParentColor() && edit->Color() == panel->Color()
               && edit->palette().color(QPalette::Base) == ColorToQColor(Colors::clBtnFace);
    }

    std::unique_ptr<TMainForm> form;
    TRadioPanel *panel;
    TEdit *edit;
    TLabel *feedback;
    TTwoJumper *jumpers[7];
};

struct TextCase
{
    const char *text;
    const char *feedback;
    const char *closed; // A3..A9
    bool greyed;
};

// Failures keep what "305" showed: feedback "300" and the pattern of 300.
const TextCase textCases[] = {
    {"300", "", "1111100", false},
    {"0300", "", "1111100", false},
    {"000000000300", "", "1111100", false},
    {"305", "300", "1111100", false},
    {"1300", "300", "1111100", false},
    {"3a0", "", "1101000", false},
    {"2F8", "", "0000010", false},
    {"7", "0", "1111111", false},
    {"0", "0", "1111111", false},
    {"000", "0", "1111111", false},
    {"FFFFFFFF", "3F8", "0000000", false},
    {"00000000FFFFFFFF", "3F8", "0000000", false},
    {" 300", "300", "1111100", true},
    {"300 ", "300", "1111100", true},
    {"$300", "300", "1111100", true},
    {"0x300", "300", "1111100", true},
    {"-300", "300", "1111100", true},
    {"30G", "300", "1111100", true},
    {"100000000", "300", "1111100", true},
    {"3\u00e90", "300", "1111100", true},
};

TEST_F(BaseAddress, TypedTextsSetTheJumpersAndFeedback)
{
    for (const TextCase &c : textCases) {
        paste(QStringLiteral("305"));
        ASSERT_EQ(feedback->Caption(), QStringLiteral("300"));
        // A valid address typed key by key ends where pasting it would; a
        // failure is pasted whole, so that what stays is what "305" showed.
        if (c.greyed)
            paste(QString::fromUtf8(c.text));
        else
            type(QString::fromUtf8(c.text));
        ASSERT_EQ(edit->Text(), QString::fromUtf8(c.text)) << "the text reached the box";
        EXPECT_EQ(feedback->Caption(), QLatin1String(c.feedback)) << c.text;
        EXPECT_EQ(closedPattern(), QLatin1String(c.closed)) << c.text;
        EXPECT_EQ(greyed(), c.greyed) << c.text;
        if (!c.greyed) {
            EXPECT_EQ(edit->Color(), Colors::clWindow) << c.text;
        }
    }
}

TEST_F(BaseAddress, EachKeystrokeIsComputedAsTyped)
{
    type(QStringLiteral("2F8"));
    EXPECT_EQ(closedPattern(), QStringLiteral("0000010"));
    EXPECT_FALSE(greyed());
    // "0" reads as address 0; "0x" fails and keeps what "0" showed.
    type(QStringLiteral("0x"));
    EXPECT_EQ(edit->Text(), QStringLiteral("0x"));
    EXPECT_EQ(feedback->Caption(), QStringLiteral("0"));
    EXPECT_EQ(closedPattern(), QStringLiteral("1111111"));
    EXPECT_TRUE(greyed());
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_FALSE(greyed());
    QTest::keyClicks(edit, QStringLiteral("3a0"));
    EXPECT_EQ(edit->Text(), QStringLiteral("03a0"));
    EXPECT_EQ(feedback->Caption(), QString());
    EXPECT_EQ(closedPattern(), QStringLiteral("1101000"));
}

TEST_F(BaseAddress, EmptyTextIsRefilledWithZero)
{
    type(QString());
    EXPECT_EQ(edit->Text(), QStringLiteral("0"));
    paste(QStringLiteral("305"));
    paste(QString());
    EXPECT_EQ(edit->Text(), QStringLiteral("0"));
    EXPECT_EQ(feedback->Caption(), QStringLiteral("0"));
    EXPECT_EQ(closedPattern(), QStringLiteral("1111111"));
    EXPECT_FALSE(greyed());
}

TEST_F(BaseAddress, ClickingAJumperWritesTheAddress)
{
    QTest::mouseClick(jumpers[6], Qt::LeftButton); // A9 on 300
    EXPECT_EQ(edit->Text(), QStringLiteral("100"));
    EXPECT_EQ(feedback->Caption(), QString());
    EXPECT_EQ(closedPattern(), QStringLiteral("1111101"));

    QTest::mouseClick(jumpers[5], Qt::LeftButton); // A8: every jumper closed
    EXPECT_EQ(edit->Text(), QStringLiteral("0"));
    EXPECT_EQ(feedback->Caption(), QStringLiteral("0"));

    for (TTwoJumper *j : jumpers)
        QTest::mouseClick(j, Qt::LeftButton);
    EXPECT_EQ(edit->Text(), QStringLiteral("3F8"));
    EXPECT_EQ(feedback->Caption(), QString());
    EXPECT_EQ(closedPattern(), QStringLiteral("0000000"));
}

TEST_F(BaseAddress, ClickWhileTheTextIsInvalidWritesTheJumpersAddress)
{
    paste(QStringLiteral("2F8"));
    paste(QStringLiteral("zz"));
    ASSERT_TRUE(greyed());
    QTest::mouseClick(jumpers[0], Qt::LeftButton); // A3 closes on 2F8
    EXPECT_EQ(edit->Text(), QStringLiteral("2F0"));
    EXPECT_FALSE(greyed());
    EXPECT_EQ(edit->Color(), Colors::clWindow);
    EXPECT_EQ(feedback->Caption(), QString());
}

TEST_F(BaseAddress, FeedbackAndStripLeadingZeros)
{
    EXPECT_EQ(TMainForm::StripLeadingZeros(QStringLiteral("000300")), QStringLiteral("300"));
    EXPECT_EQ(TMainForm::StripLeadingZeros(QStringLiteral("000")), QString());
    EXPECT_EQ(TMainForm::StripLeadingZeros(QStringLiteral("x0")), QStringLiteral("x0"));
}

// An independent reading of an address text: hex digits only, at most
// eight after the leading zeros.
std::optional<std::uint32_t> readAddress(const QString &text)
{
    if (text.isEmpty())
        return 0u;
    std::uint64_t value = 0;
    int significant = 0;
    for (QChar c : text) {
        const int d = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (d < 0 || c.unicode() > 127)
            return std::nullopt;
        if (significant || d)
            ++significant;
        value = value * 16 + std::uint64_t(d);
        if (significant > 8)
            return std::nullopt;
    }
    return std::uint32_t(value);
}

TEST_F(BaseAddress, ArbitraryTextsNeverEscapeAndJumpersEncodeTheLastValidAddress)
{
    QRandomGenerator random(7720);
    const QString alphabet = QStringLiteral("0123456789abcdefABCDEFxX$- +gGz\u00e9\u00df\u4e2d\U0001F600");
    TRecordingMessageBoxes boxes;
    std::uint32_t last = 0x300;
    for (int i = 0; i < 2000; ++i) {
        QString text;
        const int length = random.bounded(100) < 3 ? 2000 + random.bounded(4000) : random.bounded(12);
        const bool hexOnly = random.bounded(2) == 0;
        for (int k = 0; k < length; ++k)
            text += alphabet.mid(random.bounded(hexOnly ? 22 : int(alphabet.size())), 1);
        edit->setText(text);
        if (const auto value = readAddress(text))
            last = *value & 0x3F8;
        QString expected;
        for (int bit = 3; bit <= 9; ++bit)
            expected += (last >> bit) & 1 ? u'0' : u'1';
        ASSERT_EQ(closedPattern(), expected) << i << ": " << text.left(40).toStdString();
        ASSERT_EQ(greyed(), !readAddress(text).has_value()) << text.left(40).toStdString();
    }
    EXPECT_TRUE(boxes.Shown.isEmpty()) << "a conversion failure is shown by colour only";
}

} // namespace
