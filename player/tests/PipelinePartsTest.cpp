// The small rules of the loading pipeline that need no window.
#include "TempDir.h"
#include "device/FakeDevice.h"
#include "device/SongTiming.h"
#include "pipeline/MidiReset.h"
#include "pipeline/SongCopy.h"
#include "pipeline/SongTitle.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace player;

namespace {

TEST(SongTitle, CutsAtTheFirstKarUnlessItStartsThePath) {
    const std::pair<const char*, const char*> rows[] = {{"mysong.kar", "mysong"},
                                                        {"Song.KAR", "Song"},
                                                        {"mysong.mid", "mysong.mid"},
                                                        {"/music/a.kar/b.kar", "/music/a"},
                                                        {".kar", ".kar"},
                                                        {"a.ka", "a.ka"},
                                                        {"x.kar", "x"},
                                                        {".karaoke.kar", ".karaoke.kar"}};
    for (const auto& [path, title] : rows)
        EXPECT_EQ(songTitle(path), title) << path;
}

TEST(MidiReset, ThreeControllersPerChannelInOrder) {
    FakeDevice out;
    EXPECT_FALSE(sendMidiReset(out));
    const auto& log = out.log();
    ASSERT_EQ(log.size(), 2u + 48u);
    EXPECT_EQ(log.front(), "open output");
    EXPECT_EQ(log[1], "cc 0 121 0");
    EXPECT_EQ(log[2], "cc 0 7 127");
    EXPECT_EQ(log[3], "cc 0 10 64");
    EXPECT_EQ(log[4], "cc 1 121 0");
    EXPECT_EQ(log[48], "cc 15 10 64");
    EXPECT_EQ(log.back(), "close output");
}

TEST(MidiReset, AnOutputThatCannotOpenSaysWhyAndGetsNothing) {
    const std::pair<int, const char*> rows[] = {
        {MidiOutput::kBusy, "MidiDevice is busy or NotInstalled."},
        {2, "Cannot open MIDI device."}};
    for (const auto& [code, text] : rows) {
        FakeDevice out;
        out.failOutputOpen(code);
        EXPECT_EQ(sendMidiReset(out), QString(text));
        EXPECT_EQ(out.log(), std::vector<std::string>{"open output"});
    }
}

class SongCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir_.path().string()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    testkit::TempDir dir_;
    QString previous_;
};

TEST_F(SongCopyTest, BothWorkingCopiesGetTheSongReplacingOldOnes) {
    testkit::writeBytes(dir_ / "Input.bin", {'o', 'l', 'd', '!', '!', '!'});
    testkit::writeBytes(dir_ / "a.kar", {'M', 'T', 'h', 'd'});
    EXPECT_FALSE(copySongToWorkingFiles("a.kar"));
    EXPECT_EQ(testkit::readText(dir_ / "Input.sng"), "MThd");
    EXPECT_EQ(testkit::readText(dir_ / "Input.bin"), "MThd");
}

// Someone who can write the program's folder plants links where the copies go.
TEST_F(SongCopyTest, WorkingFilesLinkedElsewhereAreReplacedNeverWrittenThrough) {
    testkit::writeBytes(dir_ / "a.kar", {'M', 'T', 'h', 'd'});
    for (const char* planted : {"Input.sng", "Input.bin"}) {
        testkit::TempDir outside;
        testkit::writeBytes(outside / "victim", {'k', 'e', 'e', 'p'});
        std::filesystem::remove(dir_ / planted);
        std::filesystem::create_symlink(outside / "victim", dir_ / planted);

        EXPECT_FALSE(copySongToWorkingFiles("a.kar")) << planted;

        EXPECT_EQ(testkit::readText(outside / "victim"), "keep") << planted;
        for (const char* copy : {"Input.sng", "Input.bin"}) {
            const auto status = std::filesystem::symlink_status(dir_ / copy);
            EXPECT_EQ(status.type(), std::filesystem::file_type::regular)
                << planted << ": " << copy;
            EXPECT_EQ(status.permissions(),
                      std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
                << planted << ": " << copy;
            EXPECT_EQ(testkit::readText(dir_ / copy), "MThd") << planted << ": " << copy;
        }
    }
}

TEST_F(SongCopyTest, ASongTheUserLinkedToIsFollowed) {
    testkit::TempDir elsewhere;
    testkit::writeBytes(elsewhere / "real.kar", {'M', 'T', 'h', 'd'});
    std::filesystem::create_symlink(elsewhere / "real.kar", dir_ / "a.kar");
    EXPECT_FALSE(copySongToWorkingFiles("a.kar"));
    EXPECT_EQ(testkit::readText(dir_ / "Input.sng"), "MThd");
}

TEST_F(SongCopyTest, WhatIsNoSongFileIsNotCopied) {
    std::filesystem::create_directory(dir_ / "folder.kar");
    EXPECT_EQ(copySongToWorkingFiles("missing.kar"), "Input Song not found.");
    EXPECT_EQ(copySongToWorkingFiles("folder.kar"), "Input Song not found.");
    EXPECT_EQ(copySongToWorkingFiles("/dev/zero"), "Input Song not found.");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "Input.sng"));
}

TEST_F(SongCopyTest, AHugeFileIsRefusedBeforeItIsRead) {
    {
        std::ofstream huge(dir_ / "huge.kar", std::ios::binary);
        huge.seekp(kMaxSongFileBytes);
        huge.put('x');
    }
    EXPECT_EQ(copySongToWorkingFiles("huge.kar"), "Input Song is too large to be a song.");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "Input.sng"));
}

TEST_F(SongCopyTest, AWorkingFileThatCannotBeWrittenIsNamed) {
    testkit::writeBytes(dir_ / "a.kar", {'M'});
    std::filesystem::create_directory(dir_ / "Input.bin"); // stands in its way
    EXPECT_EQ(copySongToWorkingFiles("a.kar"), "Cannot write Input.bin in the program's folder.");
}

} // namespace
