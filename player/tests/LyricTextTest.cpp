#include "lyricdata/LyricText.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

TEST(LyricText, LeadingNumberReadsLikeTheOldNumericReading) {
    const std::pair<const char*, int32_t> rows[] = {{"480", 480},
                                                    {"  96", 96},
                                                    {"-5x", -5},
                                                    {"+7", 7},
                                                    {"abc", 0},
                                                    {"", 0},
                                                    {"12 34", 12},
                                                    {"000360", 360},
                                                    {"99999999999", 2147483647},
                                                    {"-99999999999", -2147483647 - 1}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
}

TEST(LyricText, TrimsOnlySpaces) {
    EXPECT_EQ(trimSpaces(std::string_view("  a b  ")), "a b");
    EXPECT_EQ(trimSpaces(std::string_view("\ta\t")), "\ta\t");
    EXPECT_EQ(trimSpaces(std::string_view("   ")), "");
    EXPECT_EQ(trimSpaces(QStringLiteral(" x.kar ")), QStringLiteral("x.kar"));
}

TEST(LyricText, BytesShowThroughWindows1252UnlessTheyAreUtf8) {
    EXPECT_EQ(lyricBytesToText("\x80 caf\xe9"), QStringLiteral(u"\u20ac caf\u00e9"));
    EXPECT_EQ(lyricBytesToText("ph\xe1\xbb\x9f"), QStringLiteral(u"ph\u1edf"));
    EXPECT_EQ(lyricBytesToText("plain"), QStringLiteral("plain"));
    // Broken UTF-8 falls back to one character per byte.
    EXPECT_EQ(lyricBytesToText("\xe1\xbb"), QStringLiteral(u"\u00e1\u00bb"));
}

} // namespace
