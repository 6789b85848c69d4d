#include "template/MainForm.h"

#include "SetupCtrls/Register.h"
#include "SetupCtrls/TwoJumper.h"
#include "platform/ComboBox.h"
#include "platform/Convert.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/PageReader.h"

TMainForm *MainForm = nullptr;

namespace {
// Address bits 3 to 9 are the ones the card's jumpers decode.
constexpr std::uint32_t AddressMask = 0x3F8;
constexpr int FirstAddressBit = 3;
} // namespace

TMainForm::TMainForm(QWidget *parent) : TForm(parent)
{
    RegisterSetupCtrls();
    TPageReader::Load(this, QStringLiteral(":/template/MainForm.page"));
    BaseEdit = component<TEdit>("BaseEdit");
    BaseLabelFeedback = component<TLabel>("BaseLabelFeedback");
    for (int bit = 3; bit <= 9; ++bit)
        BaseJumpers[bit - FirstAddressBit] = component<TTwoJumper>(QStringLiteral("BaseJumper%1").arg(bit).toLatin1());
    IRQCombo = component<TComboBox>("IRQCombo");
    DoCreate();
}

TMainForm::~TMainForm()
{
    if (MainForm == this)
        MainForm = nullptr;
}

template <class T>
T *TMainForm::component(const char *name) const
{
    auto *found = qobject_cast<T *>(TPageReader::FindComponent(const_cast<TMainForm *>(this), QLatin1String(name)));
    if (!found)
        throw EPageError(QStringLiteral("The page has no %1 named '%2'")
                             .arg(QLatin1String(T::staticMetaObject.className()), QLatin1String(name))
                             .toStdString());
    return found;
}

QString TMainForm::StripLeadingZeros(const QString &S)
{
    qsizetype i = 0;
    while (i < S.size() && S[i] == u'0')
        ++i;
    return S.mid(i);
}

void TMainForm::FormCreate(QObject *)
{
    static const char *const names[] = {"IRQJumper3",  "IRQJumper4",  "IRQJumper5",  "IRQJumper6",
                                        "IRQJumper7",  "IRQJumper9",  "IRQJumper10", "IRQJumper11",
                                        "IRQJumper12", "IRQJumper14", "IRQJumper15"};
    for (std::size_t i = 0; i < IRQJumpers.size(); ++i)
        IRQJumpers[i] = component<TTwoJumper>(names[i]);
    // The setup supporter's start-up routine takes the first idle moment
    // here once the supporter is part of the page.
}

void TMainForm::Exit2Click(QObject *)
{
    close();
}

// The help and support windows are built by the setup supporter at the
// first idle moment; until then these commands have nothing to show.
void TMainForm::Howtousethisprogram1Click(QObject *) {}

void TMainForm::TechnicalSupport1Click(QObject *) {}

void TMainForm::BaseEditChange(QObject *)
{
    // Refilling the empty box raises this handler again, which processes
    // "0" completely before this call reads the text.
    if (BaseEdit->Text().isEmpty())
        BaseEdit->setText(QStringLiteral("0"));
    try {
        const QString text = BaseEdit->Text();
        const std::uint32_t settable = std::uint32_t(StrToInt(QLatin1Char('$') + text)) & AddressMask;
        const QString rendering = IntToHex(settable);
        // Only ASCII letters reach this point: anything else failed above.
        BaseLabelFeedback->setCaption(StripLeadingZeros(text).toUpper() != rendering ? rendering : QString());
        for (int bit = 3; bit <= 9; ++bit)
            BaseJumpers[bit - FirstAddressBit]->setClosed((settable & (1u << bit)) == 0);
        BaseEdit->setColor(Colors::clWindow);
    } catch (const std::exception &) {
        // A text that is no address greys the box and changes nothing else.
        BaseEdit->setParentColor(true);
    }
}

void TMainForm::BaseJumperClick(QObject *)
{
    std::uint32_t address = 0;
    for (int bit = 3; bit <= 9; ++bit) {
        if (!BaseJumpers[bit - FirstAddressBit]->Closed())
            address |= 1u << bit;
    }
    BaseEdit->setText(IntToHex(address));
}

// Shows the IRQ the jumpers select, so that list and jumpers agree whenever
// the user comes back to them.
void TMainForm::IRQPanelEnter(QObject *)
{
    int index = 0;
    for (TTwoJumper *jumper : IRQJumpers) {
        if (jumper->Closed()) {
            index = jumper->Tag();
            break;
        }
    }
    IRQCombo->setItemIndex(index);
}

void TMainForm::IRQComboChange(QObject *)
{
    for (std::size_t i = 0; i < IRQJumpers.size(); ++i)
        IRQJumpers[i]->setClosed(IRQCombo->ItemIndex() == int(i) + 1);
}

void TMainForm::IRQJumperClick(QObject *Sender)
{
    auto *jumper = qobject_cast<TTwoJumper *>(Sender);
    if (!jumper)
        throw std::runtime_error("Invalid class typecast");
    IRQCombo->setItemIndex(jumper->Closed() ? jumper->Tag() : 0);
    IRQComboChange(Sender);
}
