#include "TestSupport.h"

#include "platform/Application.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Leak reports at exit would drown the test output; Qt keeps caches alive
// until the process ends.
extern "C" const char *__asan_default_options()
{
    return "detect_leaks=0";
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // A 1280 x 1024 screen, so that the maximised page has room as on a
    // desk; the offscreen platform's own default is 800 x 800.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1280, "height": 1024,
                       "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QStringLiteral("offscreen:configfile=%1").arg(config).toLocal8Bit());
    TApplication app(argc, argv);
    app.setApplicationDisplayName(QStringLiteral("Settings"));
    return RUN_ALL_TESTS();
}
