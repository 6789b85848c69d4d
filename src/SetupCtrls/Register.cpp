#include "SetupCtrls/Register.h"

#include "SetupCtrls/BoardImage.h"
#include "SetupCtrls/RadioPanel.h"
#include "SetupCtrls/TwoJumper.h"
#include "platform/PageReader.h"
#include "platform/StdClasses.h"

void RegisterSetupCtrls()
{
    RegisterStdClasses();
    TPageReader::RegisterClass<TTwoJumper>();
    TPageReader::RegisterClass<TRadioPanel>();
    TPageReader::RegisterClass<TBoardImage>();
}
