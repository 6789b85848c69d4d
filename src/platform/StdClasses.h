#pragma once

// Makes the standard controls (labels, edit boxes, lists, menus) known to
// the page reader.
void RegisterStdClasses();
