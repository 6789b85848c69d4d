#include "platform/ClassName.h"

#include <QObject>
#include <QString>

bool IsClass(const QObject *object, const char *className)
{
    return object
        && QLatin1String(object->metaObject()->className()).compare(QLatin1String(className),
                                                                   Qt::CaseInsensitive) == 0;
}
