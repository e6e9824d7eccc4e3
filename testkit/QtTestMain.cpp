// GoogleTest entry for widget tests: one QApplication for the whole program, on
// whatever platform QT_QPA_PLATFORM names (offscreen under CTest).
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The build lists the tests by running this program without CTest's environment;
    // tests never need a display, so the offscreen platform is the default.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
