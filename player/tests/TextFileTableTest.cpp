#include "state/TextFileTable.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// The lyric files and "Error1.msg" are working files: what stands in the place of one and is
// no plain file is never read, a link least of all.
TEST(TextFileTable, OnlyARegularFileOfThatNameIsOpened) {
    testkit::TempDir dir;
    testkit::TempDir outside;
    testkit::writeBytes(outside / "secret", {'s', '\r', '\n'});
    std::filesystem::create_symlink(outside / "secret", dir / "link");
    std::filesystem::create_directory(dir / "folder");
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0); // must not block the open
    TextFileTable files;
    for (const char* name : {"link", "folder", "pipe"})
        EXPECT_EQ(files.openForInput((dir / name).string()), 0) << name;
}

} // namespace
