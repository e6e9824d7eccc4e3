#include "LyricFonts.h"
#include "RuntimeDirScope.h"
#include "SessionFontInstall.h"
#include "SessionFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

// What the player's font faces need: once the launcher installed the demo fonts and the
// player added them, every one of the ten names is an installed family, and a bold
// request of a bold-only family gets that family, not a fallback.
TEST(LyricFontFamilies, AllTenAreInstalledFamiliesOfThePlayer) {
    RuntimeDirScope runtime;
    for (const auto& font : lyricfonts::table)
        ASSERT_EQ(platform::installSessionFont((lyricfonts::appDir() / font.file).string()), 1)
            << font.file;
    ASSERT_TRUE(platform::addSessionFonts());
    int argc = 1;
    char name[] = "lyric_fonts_qt_tests";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    const QStringList families = QFontDatabase::families();
    for (const char* family : lyricfonts::lyricFamilies) {
        EXPECT_TRUE(families.contains(family)) << family;
        QFont font(family, 26, QFont::Bold);
        EXPECT_EQ(QFontInfo(font).family(), family);
    }
}

} // namespace
