#pragma once

#include <QString>

// Message boxes go through one seam so that tests can see and answer them.
enum class TMsgButtons { Ok, OkCancel, RetryCancel, YesNo, YesNoCancel };
enum class TMsgIcon { None, Information, Warning, Error, Question };
enum class TMsgAnswer { Ok, Cancel, Retry, Yes, No };

struct TMessageBoxRequest
{
    QString Text;
    QString Caption;
    TMsgButtons Buttons = TMsgButtons::Ok;
    TMsgIcon Icon = TMsgIcon::None;
};

class IMessageBoxes
{
public:
    virtual ~IMessageBoxes() = default;
    virtual TMsgAnswer show(const TMessageBoxRequest &request) = 0;
};

// Shows a modal message box and returns the button chosen.
TMsgAnswer MessageBox(const QString &text, const QString &caption, TMsgButtons buttons = TMsgButtons::Ok,
                      TMsgIcon icon = TMsgIcon::None);

// Replaces the implementation (nullptr restores the real boxes); returns the
// previous one.
IMessageBoxes *SetMessageBoxes(IMessageBoxes *boxes);
