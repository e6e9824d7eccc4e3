// libnotebend.so as the player loads it: the file in the application folder, with its two
// functions bound by their C names.
#include "CurrentFolder.h"
#include "Songs.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace notebend::test {
namespace {

using testkit::readText;
using testkit::writeBytes;

class Library : public testing::Test {
protected:
    void SetUp() override {
        handle_ = dlopen(NOTEBEND_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        tunerun_ = reinterpret_cast<int (*)(int)>(dlsym(handle_, "Tunerun"));
        transpose_ = reinterpret_cast<int (*)(int, const char*)>(dlsym(handle_, "Transpose"));
        ASSERT_NE(tunerun_, nullptr);
        ASSERT_NE(transpose_, nullptr);
    }
    void TearDown() override {
        if (handle_)
            dlclose(handle_);
    }

    void* handle_ = nullptr;
    int (*tunerun_)(int) = nullptr;
    int (*transpose_)(int, const char*) = nullptr;
};

TEST_F(Library, TransposeWritesInputBin) {
    CurrentFolder folder;
    writeBytes(folder / "Input.sng", oneTrackSong({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 64}));
    EXPECT_EQ(transpose_(-2, "Input.sng"), 0);
    EXPECT_EQ(testkit::readBytes(folder / "Input.bin"),
              oneTrackSong({0x00, 0x90, 58, 100, 0x60, 0x80, 58, 64}));
    EXPECT_EQ(transpose_(9, "Input.sng"), -1);
    EXPECT_EQ(readText(folder / "Error2.msg"), "Invalid TrPara: 9");
}

// Someone who can write the working folder plants links where the working files go.
TEST_F(Library, WorkingFilesLinkedElsewhereAreReplacedNeverWrittenThrough) {
    const Bytes song = oneTrackSong({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 64});
    struct Case {
        const char* planted;
        int steps;
        int result;
    };
    const Case cases[] = {{"Input.bin", 2, 0}, {"Error2.msg", 2, 0}, {"Error2.msg", 9, -1}};
    for (const auto& c : cases) {
        CurrentFolder folder;
        testkit::TempDir outside;
        writeBytes(outside / "victim", {'k', 'e', 'e', 'p'});
        writeBytes(folder / "Input.sng", song);
        std::filesystem::create_symlink(outside / "victim", folder / c.planted);

        EXPECT_EQ(transpose_(c.steps, "Input.sng"), c.result) << c.planted << " " << c.steps;

        EXPECT_EQ(readText(outside / "victim"), "keep") << c.planted << " " << c.steps;
        struct stat info {};
        ASSERT_EQ(lstat((folder / c.planted).c_str(), &info), 0) << c.planted;
        EXPECT_EQ(info.st_mode, S_IFREG | 0600) << c.planted << " " << c.steps;
    }
}

TEST_F(Library, TheWorkingSongMustNotBeALinkWhereASongTheCallerNamesMay) {
    CurrentFolder folder;
    testkit::TempDir outside;
    const Bytes song = oneTrackSong({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 64});
    writeBytes(outside / "song.kar", song);
    std::filesystem::create_symlink(outside / "song.kar", folder / "Input.sng");
    std::filesystem::create_directory(folder / "mine");
    std::filesystem::create_symlink(outside / "song.kar", folder / "mine" / "link.kar");

    EXPECT_EQ(transpose_(0, "Input.sng"), -1);
    EXPECT_EQ(readText(folder / "Error2.msg"), "Input.sng not found.\n");
    EXPECT_EQ(transpose_(0, "mine/link.kar"), 0);
    EXPECT_EQ(testkit::readBytes(folder / "Input.bin"), song);
}

TEST_F(Library, KeepsItsOwnHelpersToItself) {
    EXPECT_EQ(dlsym(handle_, "_ZN8notebend13transposeFileEiPKc"), nullptr);
    EXPECT_EQ(dlsym(handle_, "_ZN8platform10runAndWaitERKNSt7__cxx1112basic_stringIcSt11char_"
                             "traitsIcESaIcEEERKSt6vectorIS5_SaIS5_EES7_"),
              nullptr);
}

TEST_F(Library, TunerunRunsTheProgramInTheCurrentFolderAndGivesItsExitCode) {
    CurrentFolder folder;
    const std::string script = "#!/bin/sh\nprintf '%s|' \"$@\" > args\nexit 5\n";
    writeBytes(folder / "Tunerun", Bytes(script.begin(), script.end()));
    chmod((folder / "Tunerun").c_str(), 0755);
    EXPECT_EQ(tunerun_(12345), 5);
    EXPECT_EQ(readText(folder / "args"), "/2|input.mid|");
}

TEST_F(Library, TunerunGivesMinusOneWhenThereIsNothingToRun) {
    CurrentFolder folder;
    const char* path = std::getenv("PATH");
    const std::string saved = path ? path : "";
    setenv("PATH", (folder / "empty").c_str(), 1);
    const int result = tunerun_(0);
    setenv("PATH", saved.c_str(), 1);
    EXPECT_EQ(result, -1);
}

} // namespace
} // namespace notebend::test
