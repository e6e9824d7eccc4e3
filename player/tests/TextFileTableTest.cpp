#include "state/TextFileTable.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

TEST(TextFileTable, ReadsLinesWithTheirEndsCutAndKnowsTheEnd) {
    testkit::TempDir dir;
    testkit::writeBytes(dir / "f", {'a', '\r', '\n', '\r', '\n', 'b', '\r', 'c', '\n', 'd'});
    TextFileTable files;
    const int16_t n = files.openForInput((dir / "f").string());
    ASSERT_EQ(n, 1);
    EXPECT_EQ(files.readLine(n), "a");
    EXPECT_EQ(files.readLine(n), "");
    EXPECT_EQ(files.readLine(n), "b\rc"); // a lone CR is no line end
    EXPECT_FALSE(files.atEnd(n));
    EXPECT_EQ(files.readLine(n), "d");
    EXPECT_TRUE(files.atEnd(n));
    EXPECT_EQ(files.readLine(n), std::nullopt);

    ASSERT_TRUE(files.rewind(n));
    EXPECT_EQ(files.readLine(n), "a");
}

TEST(TextFileTable, NumbersAreTheLowestFreeAndZeroMeansNotOpen) {
    testkit::TempDir dir;
    testkit::writeBytes(dir / "f", {'x', '\r', '\n'});
    TextFileTable files;
    EXPECT_EQ(files.openForInput((dir / "missing").string()), 0);
    const int16_t first = files.openForInput((dir / "f").string());
    const int16_t second = files.openForInput((dir / "f").string());
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    files.close(first);
    EXPECT_EQ(files.openForInput((dir / "f").string()), 1);
    EXPECT_EQ(files.readLine(2), "x");
    EXPECT_TRUE(files.atEnd(2)); // the CR LF of the last line leaves nothing to read

    files.closeAll();
    EXPECT_FALSE(files.isOpen(1));
    EXPECT_TRUE(files.atEnd(1));
    EXPECT_FALSE(files.rewind(0));
    EXPECT_EQ(files.readLine(0), std::nullopt);
}

} // namespace
