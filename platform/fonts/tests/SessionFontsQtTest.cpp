#include "FontFixtures.h"
#include "RuntimeDirScope.h"
#include "SessionFontInstall.h"
#include "SessionFonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(SessionFonts, NothingToAddBeforeTheLauncherRan) {
    RuntimeDirScope runtime;
    EXPECT_FALSE(platform::addSessionFonts());
}

// The contract the player relies on: fonts the launcher installed are Qt families of a
// program that adds the session fonts before its application object is made. Only one
// test of this program may make the application.
TEST(SessionFonts, InstalledFontsAreFamiliesOfALaterApplication) {
    RuntimeDirScope runtime;
    testkit::TempDir appDir;
    std::filesystem::copy_file(fontfixtures::oneFace(), appDir / "Vntime.ttf");
    ASSERT_EQ(platform::installSessionFont((appDir / "Vntime.ttf").string()), 1);
    platform::rescanSessionFonts();

    ASSERT_TRUE(platform::addSessionFonts());
    int argc = 1;
    char name[] = "session_fonts_qt_tests";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    EXPECT_TRUE(QFontDatabase::families().contains(fontfixtures::oneFaceFamily));
}

} // namespace
