#pragma once

#include "platform/Form.h"

#include <array>

class TComboBox;
class TEdit;
class TLabel;
class TTwoJumper;

// The QX-7720's setup page: built from its page description; the handlers
// below keep the jumper models and the address and IRQ controls in step.
class TMainForm : public TForm
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // S without its leading zeros; only zeros give the empty text.
    static QString StripLeadingZeros(const QString &S);

    // The IRQ jumpers in rising IRQ order: entry i has the Tag i + 1, the
    // index of its item in the IRQ list.
    std::array<TTwoJumper *, 11> IRQJumpers{};

public slots:
    void FormCreate(QObject *Sender);
    void Exit2Click(QObject *Sender);
    void Howtousethisprogram1Click(QObject *Sender);
    void TechnicalSupport1Click(QObject *Sender);
    void BaseEditChange(QObject *Sender);
    void BaseJumperClick(QObject *Sender);
    void IRQPanelEnter(QObject *Sender);
    void IRQComboChange(QObject *Sender);
    void IRQJumperClick(QObject *Sender);

private:
    template <class T>
    T *component(const char *name) const;

    TEdit *BaseEdit;
    TLabel *BaseLabelFeedback;
    std::array<TTwoJumper *, 7> BaseJumpers; // A3 to A9
    TComboBox *IRQCombo;
};

// The program's one main window, once created.
extern TMainForm *MainForm;
