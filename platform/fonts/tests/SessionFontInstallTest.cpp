#include "SessionFontInstall.h"

#include "FontFixtures.h"
#include "RuntimeDirScope.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SessionFontInstall : public ::testing::Test {
protected:
    fs::path fontDir() const { return runtime.path() / "melodeck" / "fonts"; }
    RuntimeDirScope runtime;
    testkit::TempDir appDir;
};

TEST_F(SessionFontInstall, LinksTheFileAndNamesTheFolderInFontsConf) {
    fs::copy_file(fontfixtures::oneFace(), appDir / "Vntime.ttf");

    EXPECT_EQ(platform::installSessionFont((appDir / "Vntime.ttf").string()), 1);

    ASSERT_TRUE(fs::is_symlink(fontDir() / "Vntime.ttf"));
    EXPECT_EQ(fs::read_symlink(fontDir() / "Vntime.ttf"), appDir / "Vntime.ttf");
    std::string conf = testkit::readText(fontDir() / "fonts.conf");
    EXPECT_NE(conf.find("<dir>" + fontDir().string() + "</dir>"), std::string::npos) << conf;
    EXPECT_EQ(fs::status(fontDir()).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(SessionFontInstall, ACollectionIsAddedAndCountsAllItsFaces) {
    fs::copy_file(fontfixtures::twoFaces(), appDir / "Pair.ttc");

    EXPECT_EQ(platform::installSessionFont((appDir / "Pair.ttc").string()), 2);
    EXPECT_TRUE(fs::is_symlink(fontDir() / "Pair.ttc"));
}

TEST_F(SessionFontInstall, WhatIsNoFontIsNotLinked) {
    testkit::writeBytes(appDir / "Vntime.ttf", {'M', 'Z'});

    EXPECT_EQ(platform::installSessionFont((appDir / "Vntime.ttf").string()), 0);
    EXPECT_EQ(platform::installSessionFont((appDir / "Vrevue.ttf").string()), 0);
    EXPECT_FALSE(fs::exists(fontDir() / "Vntime.ttf"));
    EXPECT_FALSE(fs::exists(fontDir() / "Vrevue.ttf"));
}

TEST_F(SessionFontInstall, ALaterFileOfTheSameNameReplacesTheLink) {
    testkit::TempDir otherApp;
    fs::copy_file(fontfixtures::oneFace(), appDir / "Vntime.ttf");
    fs::copy_file(fontfixtures::oneFace(), otherApp / "Vntime.ttf");

    ASSERT_EQ(platform::installSessionFont((appDir / "Vntime.ttf").string()), 1);
    ASSERT_EQ(platform::installSessionFont((otherApp / "Vntime.ttf").string()), 1);

    EXPECT_EQ(fs::read_symlink(fontDir() / "Vntime.ttf"), otherApp / "Vntime.ttf");
    EXPECT_EQ(std::distance(fs::directory_iterator(fontDir()), fs::directory_iterator()), 2)
        << "only the link and fonts.conf, no temporary left behind";
}

TEST_F(SessionFontInstall, ARelativePathIsLinkedByItsFullPath) {
    fs::copy_file(fontfixtures::oneFace(), appDir / "Vntime.ttf");
    fs::path before = fs::current_path();
    fs::current_path(appDir.path());

    int faces = platform::installSessionFont("Vntime.ttf");
    fs::current_path(before);

    EXPECT_EQ(faces, 1);
    EXPECT_EQ(fs::read_symlink(fontDir() / "Vntime.ttf"), appDir / "Vntime.ttf");
}

TEST_F(SessionFontInstall, NothingIsAddedWithoutARuntimeFolder) {
    fs::copy_file(fontfixtures::oneFace(), appDir / "Vntime.ttf");
    // A plain file where the runtime folder should be: no folder can be made there.
    testkit::writeBytes(runtime.path() / "melodeck", {});

    EXPECT_EQ(platform::installSessionFont((appDir / "Vntime.ttf").string()), 0);
}

TEST_F(SessionFontInstall, AFontsNameTakenByAFileIsRefused) {
    fs::copy_file(fontfixtures::oneFace(), appDir / "Vntime.ttf");
    fs::create_directories(runtime.path() / "melodeck");
    fs::permissions(runtime.path() / "melodeck", fs::perms::owner_all);
    testkit::writeBytes(fontDir(), {});

    EXPECT_EQ(platform::installSessionFont((appDir / "Vntime.ttf").string()), 0);
}

} // namespace
