#pragma once

// Makes the setup components known to the page reader.
void RegisterSetupCtrls();
