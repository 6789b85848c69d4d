#pragma once

class QObject;

// True when the object's own class is named className, compared without
// regard to case; a derived class does not qualify.
bool IsClass(const QObject *object, const char *className);
