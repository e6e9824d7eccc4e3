#include "LyricFiles.h"
#include "SecondPass.h"

#include <gtest/gtest.h>

using namespace textpull;
using namespace textpull::test;

namespace {

// "Input.tit", decoded, for a first-pass text stream given in plain bytes.
std::string TitlesOf(const std::string& textStream) {
    LyricFolder folder;
    const std::string stored = Encode(textStream);
    testkit::writeBytes(folder / "Input0.str", testkit::Bytes(stored.begin(), stored.end()));
    ErrorChannel errors;
    EXPECT_TRUE(errors.Create(folder / "Error1.msg"));
    EXPECT_TRUE(WriteTitles(folder.path(), errors));
    return folder.Decoded("Input.tit");
}

std::string Repeat(const std::string& s, size_t times) {
    std::string out;
    for (size_t i = 0; i < times; ++i)
        out += s;
    return out;
}

} // namespace

TEST(Titles, ComeFromTheTTagsOfTheFirstLine) {
    struct Case {
        const char* name;
        std::string stream;
        std::string titles;
    };
    const Case cases[] = {
        {"two titles after another tag", "@Kabc@TMy song@TSinger\r\n/la",
         "\r\n My song\r\n Singer\r\n\r\n"},
        {"other tags end a title", "@TName@Irest@TOther@Vx@Wy@Lz", "\r\n Name\r\n Other\r\n"},
        {"bar becomes a full stop", "@TA|B", "\r\n A.B\r\n"},
        {"@ before another letter is text", "@TA@xB@t", "\r\n A@xB@t\r\n"},
        {"lower-case tag is no tag", "@tTitle", ""},
        {"no tag", "plain words\r\n@TSecond line", ""},
        {"empty stream", "", ""},
        {"first line cut after 239 characters", "@T" + std::string(300, 'a'),
         "\r\n " + std::string(237, 'a') + "\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TitlesOf(c.stream), c.titles) << c.name;
}

TEST(Titles, AtMost250BytesAreWritten) {
    // Each "@T" adds three bytes; past 250 the closing line end is lost too.
    const std::string unbounded = "\r\n" + Repeat(" \r\n", 118) + " @\r\n";
    EXPECT_EQ(TitlesOf(Repeat("@T", 120)), unbounded.substr(0, 250));
}

TEST(Titles, TagLettersAreTheSixCapitals) {
    for (int c = 0; c < 256; ++c) {
        const bool tag = std::string("IKLTVW").find(static_cast<char>(c)) != std::string::npos;
        EXPECT_EQ(GetTag('@', static_cast<char>(c)).has_value(), tag) << c;
        EXPECT_FALSE(GetTag('#', static_cast<char>(c)).has_value());
    }
}
