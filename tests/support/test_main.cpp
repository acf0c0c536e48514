// Every test program runs headless with scripted message boxes, pauses scaled
// to nothing, a private settings store and a seeded random generator; it
// loads the program's modules from the build.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/late_module.h"
#include "support/test_support.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home.path() + "/runtime").toUtf8());
    QApplication app(argc, argv);
    // The sound and socket modules lie beside the program, not the tests.
    late::SetModuleFolder(QStringLiteral(GRISK_BINARY_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new grisk_test::HeadlessEnvironment);
    return RUN_ALL_TESTS();
}
