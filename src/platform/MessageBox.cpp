#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class TQtMessageBoxes : public IMessageBoxes
{
public:
    TMsgAnswer show(const TMessageBoxRequest &r) override
    {
        QMessageBox box(icon(r.Icon), r.Caption, r.Text, buttons(r.Buttons), QApplication::activeWindow());
        switch (box.exec()) {
        case QMessageBox::Cancel: return TMsgAnswer::Cancel;
        case QMessageBox::Retry: return TMsgAnswer::Retry;
        case QMessageBox::Yes: return TMsgAnswer::Yes;
        case QMessageBox::No: return TMsgAnswer::No;
        default: return TMsgAnswer::Ok;
        }
    }

private:
    static QMessageBox::Icon icon(TMsgIcon i)
    {
        switch (i) {
        case TMsgIcon::Information: return QMessageBox::Information;
        case TMsgIcon::Warning: return QMessageBox::Warning;
        case TMsgIcon::Error: return QMessageBox::Critical;
        case TMsgIcon::Question: return QMessageBox::Question;
        case TMsgIcon::None: break;
        }
        return QMessageBox::NoIcon;
    }

    static QMessageBox::StandardButtons buttons(TMsgButtons b)
    {
        switch (b) {
        case TMsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case TMsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
        case TMsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case TMsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case TMsgButtons::Ok: break;
        }
        return QMessageBox::Ok;
    }
};

TQtMessageBoxes qtBoxes;
IMessageBoxes *current = &qtBoxes;

} // namespace

TMsgAnswer MessageBox(const QString &text, const QString &caption, TMsgButtons buttons, TMsgIcon icon)
{
    return current->show({text, caption, buttons, icon});
}

IMessageBoxes *SetMessageBoxes(IMessageBoxes *boxes)
{
    IMessageBoxes *previous = current;
    current = boxes ? boxes : &qtBoxes;
    return previous;
}
