#include "SafeFile.h"

#include "TempDir.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testkit::readText;
using testkit::writeBytes;

namespace {

// A file outside the working folder that a planted entry tries to reach.
struct Victim {
    testkit::TempDir outside;
    fs::path file = outside / "victim";
    Victim() { writeBytes(file, {'k', 'e', 'e', 'p'}); }
};

struct Planted {
    const char* name;
    std::function<void(const fs::path& entry, const Victim&)> plant;
};

const Planted plantings[] = {
    {"nothing", [](const fs::path&, const Victim&) {}},
    {"an old file",
     [](const fs::path& e, const Victim&) {
         writeBytes(e, {'o', 'l', 'd'});
     }},
    {"a symbolic link to the victim",
     [](const fs::path& e, const Victim& v) { fs::create_symlink(v.file, e); }},
    {"a hard link to the victim",
     [](const fs::path& e, const Victim& v) { fs::create_hard_link(v.file, e); }},
    {"a dangling symbolic link",
     [](const fs::path& e, const Victim& v) { fs::create_symlink(v.outside / "new", e); }},
};

mode_t modeOf(const fs::path& file) {
    struct stat info {};
    EXPECT_EQ(lstat(file.c_str(), &info), 0);
    return info.st_mode;
}

TEST(SafeFile, CreateFreshWritesANewPrivateFileWhateverStoodInItsPlace) {
    for (const auto& p : plantings) {
        testkit::TempDir folder;
        Victim victim;
        const fs::path entry = folder / "Input.bin";
        p.plant(entry, victim);

        std::FILE* out = platform::createFreshStream(entry.c_str());
        ASSERT_NE(out, nullptr) << p.name << ": " << std::strerror(errno);
        std::fputs("new", out);
        ASSERT_EQ(std::fclose(out), 0) << p.name;

        EXPECT_EQ(readText(victim.file), "keep") << p.name;
        EXPECT_FALSE(fs::exists(victim.outside / "new")) << p.name;
        EXPECT_EQ(readText(entry), "new") << p.name;
        EXPECT_EQ(modeOf(entry), S_IFREG | 0600) << p.name;
    }
}

TEST(SafeFile, CreateFreshLeavesWhatIsNoFileAndSaysSo) {
    testkit::TempDir folder;
    fs::create_directory(folder / "folder");
    writeBytes(folder / "folder" / "inside", {'x'});
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    for (const char* name : {"folder", "pipe"}) {
        errno = 0;
        EXPECT_EQ(platform::createFresh((folder / name).c_str()), -1) << name;
        EXPECT_EQ(errno, EEXIST) << name;
    }
    EXPECT_EQ(readText(folder / "folder" / "inside"), "x");
    EXPECT_TRUE(S_ISFIFO(modeOf(folder / "pipe")));
}

TEST(SafeFile, OpenForReadingTakesOnlyARegularFileAndALinkOnlyWhenAskedTo) {
    testkit::TempDir folder;
    writeBytes(folder / "song", {'M', 'T', 'h', 'd'});
    fs::create_symlink(folder / "song", folder / "link");
    fs::create_directory(folder / "folder");
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0); // must not block the open

    struct Case {
        const char* name;
        platform::Links links;
        int error; // 0: opens and reads the song
    };
    const Case cases[] = {
        {"song", platform::Links::Refuse, 0},      {"link", platform::Links::Refuse, ELOOP},
        {"link", platform::Links::Follow, 0},      {"folder", platform::Links::Follow, EISDIR},
        {"pipe", platform::Links::Follow, EINVAL}, {"missing", platform::Links::Follow, ENOENT},
    };
    for (const auto& c : cases) {
        const auto label =
            std::string(c.name) + (c.links == platform::Links::Follow ? " followed" : "");
        errno = 0;
        std::FILE* in = platform::openStreamForReading((folder / c.name).c_str(), c.links);
        if (c.error != 0) {
            EXPECT_EQ(in, nullptr) << label;
            EXPECT_EQ(errno, c.error) << label;
            continue;
        }
        ASSERT_NE(in, nullptr) << label;
        char bytes[8] = {};
        EXPECT_EQ(std::fread(bytes, 1, sizeof bytes, in), 4u) << label;
        EXPECT_EQ(std::string(bytes), "MThd") << label;
        std::fclose(in);
    }
}

} // namespace
