#include "LyricCodec.h"

#include <gtest/gtest.h>

using textpull::DecodeChar;
using textpull::EncodeChar;

TEST(LyricCodec, MovesPrintableBytesSixteenStepsRoundTheRing) {
    struct Case {
        unsigned plain;
        unsigned stored;
    };
    const Case cases[] = {
        {0, 0},    {13, 13},   {10, 10},   {31, 31}, // control bytes stay
        {32, 48},  {'a', 'q'}, {239, 255},           // moved forward
        {240, 32}, {255, 47},                        // wrapped round the ring
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeChar(static_cast<unsigned char>(c.plain)), c.stored) << "plain " << c.plain;
        EXPECT_EQ(DecodeChar(static_cast<unsigned char>(c.stored)), c.plain)
            << "stored " << c.stored;
    }
}

TEST(LyricCodec, DecodeUndoesEncodeForEveryByte) {
    bool seen[256] = {};
    for (unsigned b = 0; b < 256; ++b) {
        const unsigned char stored = EncodeChar(static_cast<unsigned char>(b));
        EXPECT_FALSE(seen[stored]) << "two bytes share the stored value " << unsigned(stored);
        seen[stored] = true;
        EXPECT_EQ(DecodeChar(stored), b);
    }
}
