#include "platform/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

struct Substitute
{
    const char *family;
    QStringList candidates;
};

} // namespace

void RegisterFontSubstitutes()
{
    // Liberation Sans shares Arial's metrics, the nearest to the narrow
    // Windows UI faces; DejaVu Sans descends from Vera, drawn after Verdana.
    const Substitute substitutes[] = {
        {"MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"}},
        {"Tahoma", {"Liberation Sans", "Arial", "DejaVu Sans"}},
        {"Verdana", {"DejaVu Sans", "Liberation Sans"}},
    };
    for (const Substitute &s : substitutes) {
        const QString family = QString::fromLatin1(s.family);
        if (QFontDatabase::hasFamily(family))
            continue;
        for (const QString &candidate : s.candidates) {
            if (QFontDatabase::hasFamily(candidate)) {
                QFont::insertSubstitution(family, candidate);
                break;
            }
        }
    }
}
