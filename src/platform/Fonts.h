#pragma once

// The page names Windows fonts; each is mapped to the closest installed
// family so that text keeps sensible metrics.
void RegisterFontSubstitutes();
