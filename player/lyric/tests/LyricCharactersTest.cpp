// Lyric bytes as the characters they are drawn as.
#include "lyric/LyricCharacters.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

struct CharactersCase {
    const char* name;
    std::string bytes;
    QStringList characters;
};

class LyricCharactersTable : public ::testing::TestWithParam<CharactersCase> {};

TEST_P(LyricCharactersTable, SplitsIntoDrawnCharacters) {
    EXPECT_EQ(lyricCharacters(GetParam().bytes), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, LyricCharactersTable,
    ::testing::Values(
        CharactersCase{"Empty", "", {}},
        CharactersCase{"MarkersKept", "\\a/b", {"\\", "a", "/", "b"}},
        // A legacy 8-bit line: one character per byte, through Windows-1252.
        CharactersCase{"Latin1Accent", "\\caf\xe9", {"\\", "c", "a", "f", QString(QChar(0xE9))}},
        CharactersCase{"Cp1252Quote",
                       "\x93"
                       "a",
                       {QString(QChar(0x201C)), "a"}},
        // Valid UTF-8 with a multi-byte sequence is shown as UTF-8.
        CharactersCase{
            "Utf8Vietnamese", "/Vi\xe1\xbb\x87t", {"/", "V", "i", QString(QChar(0x1EC7)), "t"}},
        // A letter and its combining mark are drawn as one character.
        CharactersCase{"Utf8Combining", "e\xcc\x81", {QString::fromUtf8("e\xcc\x81")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VisibleLyricText, DropsEveryMarker) {
    EXPECT_EQ(visibleLyricText("\\one/two\\"), "onetwo");
}

} // namespace
