#include "TestSupport.h"
#include "platform/Control.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/MainMenu.h"
#include "platform/MenuItem.h"
#include "platform/PageReader.h"
#include "platform/StdClasses.h"

#include <gtest/gtest.h>

#include <stdexcept>

// A small window class with handlers, standing for a page's form.
class TTestForm : public TForm
{
    Q_OBJECT

public:
    QList<QObject *> Senders;
    bool Throw = false;

public slots:
    void Handle(QObject *Sender)
    {
        Senders.append(Sender);
        if (Throw)
            throw std::runtime_error("handler failed");
    }
    void NoSender() {}
};

// Records whether it was being loaded when its property was set.
class TProbe : public QWidget, public TControlProps<TProbe>
{
    Q_OBJECT
    T_PUBLISH_CONTROL
    Q_PROPERTY(int Value READ Value WRITE setValue)

public:
    explicit TProbe(QWidget *parent = nullptr) : QWidget(parent) {}
    int Value() const { return FValue; }
    void setValue(int v)
    {
        FValue = v;
        LoadingWhenSet = IsLoading(this);
    }
    Q_INVOKABLE void Loaded() { LoadingWhenLoaded = IsLoading(this); ++LoadedCalls; }

    bool LoadingWhenSet = false;
    bool LoadingWhenLoaded = true;
    int LoadedCalls = 0;

private:
    int FValue = 0;
};

namespace {

class PageReader : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        RegisterStdClasses();
        TPageReader::RegisterClass<TProbe>();
    }

    void load(const QString &text) { TPageReader::LoadFromText(&form, text, QStringLiteral("test.page")); }

    TTestForm form;
};

const char *goodPage = R"(// comments are allowed
object Form: TTestForm
  Caption = 'It''s a '#39'test'#39
  Color = clWhite
  Font.Height = -11
  Menu = Menu1
  OnCreate = Handle
  object Probe: TProbe
    Left = 5
    Top = 6
    Width = 70
    Height = 20
    Value = -3
    Anchors = [akLeft, akBottom]
    object Inner: TLabel
      Caption = 'x'
      AutoSize = False
      Alignment = taCenter
    end
  end
  object Edit1: TEdit
    Text = ''
    Tag = $10
    OnChange = Handle
  end
  object Menu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
    end
  end
end
)";

TEST_F(PageReader, BuildsTheTreeWithItsValuesReferencesAndBindings)
{
    load(QString::fromLatin1(goodPage));
    EXPECT_EQ(form.objectName(), QStringLiteral("Form"));
    EXPECT_EQ(form.Caption(), QStringLiteral("It's a 'test'"));
    EXPECT_EQ(form.Color(), 0xFFFFFF);
    EXPECT_EQ(form.Font()->Height(), -11);

    auto *probe = form.findChild<TProbe *>(QStringLiteral("Probe"));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->parentWidget(), form.ClientArea());
    EXPECT_EQ(probe->geometry(), QRect(5, 6, 70, 20));
    EXPECT_EQ(probe->Value(), -3);
    EXPECT_TRUE(probe->LoadingWhenSet) << "components can tell they are being loaded";
    EXPECT_FALSE(probe->LoadingWhenLoaded);
    EXPECT_EQ(probe->LoadedCalls, 1);
    EXPECT_FALSE(IsLoading(probe));

    auto *inner = form.findChild<TLabel *>(QStringLiteral("Inner"));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->parentWidget(), probe);
    EXPECT_EQ(inner->Alignment(), Vcl::taCenter);

    auto *edit = form.findChild<TEdit *>(QStringLiteral("Edit1"));
    EXPECT_EQ(edit->Tag(), 16);
    EXPECT_TRUE(form.Senders.isEmpty()) << "events are bound after the values are set";
    edit->setText(QStringLiteral("typed"));
    EXPECT_EQ(form.Senders, QList<QObject *>{edit});

    EXPECT_EQ(form.Menu(), form.findChild<TMainMenu *>(QStringLiteral("Menu1")));
    EXPECT_EQ(form.Menu()->Count(), 1);
    EXPECT_EQ(form.Menu()->Items(0)->Caption(), QStringLiteral("&File"));
}

TEST_F(PageReader, AHandlersExceptionIsReportedWhereItIsCalled)
{
    TRecordingMessageBoxes boxes;
    load(QString::fromLatin1(goodPage));
    form.Throw = true;
    auto *edit = form.findChild<TEdit *>(QStringLiteral("Edit1"));
    EXPECT_NO_THROW(edit->setText(QStringLiteral("boom")));
    ASSERT_EQ(boxes.Shown.size(), 1);
    EXPECT_EQ(boxes.Shown[0].Text, QStringLiteral("handler failed"));
}

struct BrokenCase
{
    const char *name;
    const char *page;
    const char *message;
};

const BrokenCase brokenCases[] = {
    {"unknown class", "object Form: TTestForm\n  object Gauge1: TGauge\n  end\nend",
     "test.page:2: Unknown class 'TGauge' of component 'Gauge1'"},
    {"unknown property", "object Form: TTestForm\n  object L1: TLabel\n    Colour = 5\n  end\nend",
     "test.page:3: Unknown property 'Colour' of L1 (TLabel)"},
    {"unknown sub-property", "object Form: TTestForm\n  Font.Weight = 5\nend",
     "test.page:2: Unknown property 'Font.Weight' of Form (TTestForm)"},
    {"unknown enumeration value", "object Form: TTestForm\n  object L1: TLabel\n    Alignment = taMiddle\n  end\nend",
     "test.page:3: Unknown value 'taMiddle' of property 'Alignment' of L1 (TLabel)"},
    {"unknown set element", "object Form: TTestForm\n  object L1: TLabel\n    Anchors = [akLeft, akMiddle]\n  end\nend",
     "test.page:3: Unknown value 'akMiddle' of property 'Anchors' of L1 (TLabel)"},
    {"unknown colour", "object Form: TTestForm\n  Color = clChartreuse\nend",
     "test.page:2: Unknown value 'clChartreuse' of property 'Color' of Form (TTestForm)"},
    {"unknown reference", "object Form: TTestForm\n  Menu = MainMenu9\nend",
     "test.page:2: Unknown component 'MainMenu9' named by 'Menu' of Form"},
    {"reference of the wrong class", "object Form: TTestForm\n  Menu = L1\n  object L1: TLabel\n  end\nend",
     "test.page:2: Component 'L1' named by 'Menu' of Form is not a TMainMenu"},
    {"unknown handler", "object Form: TTestForm\n  object E1: TEdit\n    OnChange = E1Change\n  end\nend",
     "test.page:3: Unknown handler 'E1Change' for event 'OnChange' of E1"},
    {"handler without sender", "object Form: TTestForm\n  object E1: TEdit\n    OnChange = NoSender\n  end\nend",
     "test.page:3: Unknown handler 'NoSender' for event 'OnChange' of E1"},
    {"wrong kind of value", "object Form: TTestForm\n  object E1: TEdit\n    Tag = 'ten'\n  end\nend",
     "test.page:3: Property 'Tag' of E1 (TEdit) does not take that kind of value"},
    {"wrong root class", "object Form: TMainForm\nend", "test.page:1: The description is of class 'TMainForm', not 'TTestForm'"},
    {"duplicate name", "object Form: TTestForm\n  object L1: TLabel\n  end\n  object l1: TEdit\n  end\nend",
     "test.page:4: Duplicate component name 'l1'"},
    {"control on a menu", "object Form: TTestForm\n  object M: TMainMenu\n    object L: TLabel\n    end\n  end\nend",
     "test.page:3: Control 'L' cannot be placed on the non-visual component 'M'"},
    {"missing end", "object Form: TTestForm\n  object L1: TLabel\n  end\n", "test.page:4: 'end' expected for Form"},
    {"unterminated string", "object Form: TTestForm\n  Caption = 'Setup\nend", "test.page:2: Unterminated string"},
    {"number out of range", "object Form: TTestForm\n  Left = 99999999999\nend",
     "test.page:2: Number out of range for 'Left' of Form (TTestForm)"},
};

class BrokenPage : public PageReader, public ::testing::WithParamInterface<BrokenCase>
{
};

TEST_P(BrokenPage, FailsWithAMessageNamingTheCulprit)
{
    try {
        load(QString::fromLatin1(GetParam().page));
        FAIL() << "loaded a broken page";
    } catch (const EPageError &e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
    for (QObject *o : form.findChildren<QObject *>())
        EXPECT_FALSE(IsLoading(o)) << "no component is left in the loading state";
}

INSTANTIATE_TEST_SUITE_P(Descriptions, BrokenPage, ::testing::ValuesIn(brokenCases), [](const auto &info) {
    std::string n = info.param.name;
    std::replace(n.begin(), n.end(), ' ', '_');
    std::replace(n.begin(), n.end(), '-', '_');
    return n;
});

TEST(PageReaderFile, MissingFileIsAnError)
{
    TTestForm form;
    EXPECT_THROW(TPageReader::Load(&form, QStringLiteral(":/no/such.page")), EPageError);
}

} // namespace

#include "PageReaderTest.moc"
