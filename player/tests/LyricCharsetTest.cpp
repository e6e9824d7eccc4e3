#include "lyricdata/LyricCharset.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

struct CodeCase {
    int16_t in;
    int16_t decoded;
    int16_t encoded;
};

// Rows at each edge of the ring and one step outside the byte range on both sides.
const CodeCase kCodes[] = {{0, 0, 0},    {31, 31, 31},    {32, 240, 48},  {47, 255, 63},
                           {48, 32, 64}, {239, 223, 255}, {240, 224, 32}, {255, 239, 47},
                           {-1, -1, -1}, {256, 256, 256}, {13, 13, 13},   {10, 10, 10}};

TEST(LyricCharset, EachCodeAtTheEdgesOfTheRing) {
    for (const auto& c : kCodes) {
        EXPECT_EQ(ConvertCh0(c.in), c.decoded) << "decode " << c.in;
        EXPECT_EQ(ConvertCh1(c.in), c.encoded) << "encode " << c.in;
    }
}

TEST(LyricCharset, EncodeAndDecodeUndoEachOtherForEveryByte) {
    std::string all;
    for (int code = 0; code < 256; ++code)
        all.push_back(static_cast<char>(code));
    std::string text = all;
    ConvertStr(text, 1);
    EXPECT_NE(text, all);
    ConvertStr(text, 0);
    EXPECT_EQ(text, all);
    ConvertStr(text, 0);
    ConvertStr(text, 7); // any mode but 0 encodes
    EXPECT_EQ(text, all);
}

TEST(LyricCharset, StoredLettersDecodeAndLineEndsSurvive) {
    std::string text = "qrs\r\n";
    ConvertStr(text, 0);
    EXPECT_EQ(text, "abc\r\n");
    std::string empty;
    ConvertStr(empty, 0);
    EXPECT_EQ(empty, "");
}

} // namespace
