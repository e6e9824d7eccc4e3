#include "CommandLine.h"

#include <gtest/gtest.h>

using namespace textpull;

TEST(CommandLine, SplitCountsWordsPlusTheProgramName) {
    struct Case {
        const char* name;
        std::string copy;
        int result;
        const char* word1;
    };
    const Case cases[] = {
        {"empty", "", 0, nullptr},
        {"leading space", " 123", 0, nullptr},
        {"one word", "123", 2, "123"},
        {"tab is part of the word", "12\t3", 2, "12\t3"},
        {"trailing space", "123 ", 3, "123"},
        {"two words", "123 456", 3, "123"},
        {"two spaces in a row", "1  2", 4, "1"},
        {"three words", "1 2 3", 4, "1"},
        {"four words stop the count", "1 2 3 4 5 6", 5, "1"},
    };
    for (const auto& c : cases) {
        std::string copy = c.copy;
        std::array<const char*, 3> words;
        EXPECT_EQ(SplitCmdLine(copy, words), c.result) << c.name;
        if (c.word1) {
            EXPECT_STREQ(words[0], c.word1) << c.name;
        }
    }
}

TEST(CommandLine, CopyTakesOnlyTailsShorterThan500) {
    EXPECT_EQ(CopyCommandTail(std::string(499, '7')).size(), 499u);
    EXPECT_EQ(CopyCommandTail(std::string(500, '7')), "");
}

TEST(CommandLine, TailJoinsArgumentsAndSkipsLeadingBlanks) {
    struct Case {
        std::vector<const char*> argv;
        std::string tail;
    };
    const Case cases[] = {
        {{"textpull"}, ""},
        {{"textpull", "123"}, "123"},
        {{"textpull", "123", "4"}, "123 4"},
        {{"textpull", "123 "}, "123 "},
        {{"textpull", " \t 77"}, "77"},
        {{"textpull", "", "9"}, "9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandTail(static_cast<int>(c.argv.size()), c.argv.data()), c.tail);
}

TEST(CommandLine, HandleIsReadByTheUsualScanningRules) {
    struct Case {
        const char* word;
        int32_t handle;
    };
    const Case cases[] = {
        {"123", 123},
        {"-5", -5},
        {"+8", 8},
        {"\t42", 42},
        {"42abc", 42},
        {"abc", 0},
        {"0", 0},
        {"-", 0},
        {"2147483647", 2147483647},
        {"99999999999", 2147483647},
        {"-99999999999", INT32_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadHandle(c.word), c.handle) << c.word;
}
