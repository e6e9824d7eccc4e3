#include "FontFaceCount.h"

#include "FontFixtures.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(FontFaceCount, CountsTheFacesOfFontsAndNoneOfAnythingElse) {
    testkit::TempDir dir;
    testkit::writeBytes(dir / "text.ttf", {'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'n', 't'});
    testkit::writeBytes(dir / "empty.ttf", {});
    auto truncated = testkit::readBytes(fontfixtures::oneFace());
    truncated.resize(64);
    testkit::writeBytes(dir / "truncated.ttf", truncated);

    struct Case {
        const char* name;
        std::filesystem::path file;
        int faces;
    } cases[] = {
        {"one face", fontfixtures::oneFace(), 1},
        {"collection of two", fontfixtures::twoFaces(), 2},
        {"missing", dir / "missing.ttf", 0},
        {"text", dir / "text.ttf", 0},
        {"empty", dir / "empty.ttf", 0},
        {"cut after the header", dir / "truncated.ttf", 0},
        {"a folder", dir.path(), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::fontFaceCount(c.file.string()), c.faces) << c.name;
}

} // namespace
