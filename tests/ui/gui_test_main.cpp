// GoogleTest with the one QApplication that the widgets under test need.
// Without a platform named, the tests run headless, listing them included.
// Qt's file dialog keeps its state in the user's settings; the tests keep
// theirs in a folder of their own, so that one run or user does not steer
// another.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
