#include "platform/StdClasses.h"

#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/MainMenu.h"
#include "platform/MenuItem.h"
#include "platform/PageReader.h"

void RegisterStdClasses()
{
    TPageReader::RegisterClass<TLabel>();
    TPageReader::RegisterClass<TEdit>();
    TPageReader::RegisterClass<TComboBox>();
    TPageReader::RegisterClass<TMainMenu>();
    TPageReader::RegisterClass<TMenuItem>();
}
