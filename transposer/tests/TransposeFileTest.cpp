// The files of one call: "Error2.msg" made at every call, "Input.bin" in the current
// folder, and the result.
#include "TransposeFile.h"

#include "CurrentFolder.h"
#include "FileSizeLimit.h"
#include "Songs.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace notebend::test {
namespace {

namespace fs = std::filesystem;
using testkit::readBytes;
using testkit::readText;
using testkit::writeBytes;

const Bytes song = oneTrackSong({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 64});
const Bytes songUp6 = oneTrackSong({0x00, 0x90, 66, 100, 0x60, 0x80, 66, 64});
const Bytes songDown6 = oneTrackSong({0x00, 0x90, 54, 100, 0x60, 0x80, 54, 64});
const Bytes previous = {'o', 'l', 'd'};

TEST(TransposeFile, WritesTheShiftedSongAndAnEmptyMessageFile) {
    CurrentFolder folder;
    writeBytes(folder / "Input.sng", song);
    writeBytes(folder / "Error2.msg", {'s', 't', 'a', 'l', 'e'});
    for (const auto& [steps, expected] : {std::pair{6, songUp6}, std::pair{-6, songDown6}}) {
        EXPECT_EQ(transposeFile(steps, "Input.sng"), 0);
        EXPECT_EQ(readBytes(folder / "Input.bin"), expected) << steps;
        EXPECT_EQ(readText(folder / "Error2.msg"), "");
    }
}

TEST(TransposeFile, WritesInputBinInTheCurrentFolderWhereverTheSongIs) {
    CurrentFolder folder;
    fs::create_directory(folder / "songs");
    writeBytes(folder / "songs" / "a.kar", song);
    ASSERT_EQ(transposeFile(6, "songs/a.kar"), 0);
    EXPECT_EQ(readBytes(folder / "Input.bin"), songUp6);
    EXPECT_FALSE(fs::exists(folder / "songs" / "Input.bin"));
}

TEST(TransposeFile, StepsOutsideTheRangeLeaveInputBinUntouched) {
    CurrentFolder folder;
    writeBytes(folder / "Input.sng", song);
    for (int steps : {7, -7, 1000}) {
        writeBytes(folder / "Input.bin", previous);
        EXPECT_EQ(transposeFile(steps, "Input.sng"), -1);
        EXPECT_EQ(readText(folder / "Error2.msg"), "Invalid TrPara: " + std::to_string(steps));
        EXPECT_EQ(readBytes(folder / "Input.bin"), previous);
    }
}

TEST(TransposeFile, AMissingSongIsReportedWithInputBinEmptied) {
    CurrentFolder folder;
    writeBytes(folder / "Input.bin", previous);
    EXPECT_EQ(transposeFile(1, "no such.sng"), -1);
    EXPECT_EQ(readText(folder / "Error2.msg"), "no such.sng not found.\n");
    EXPECT_TRUE(readBytes(folder / "Input.bin").empty());
}

TEST(TransposeFile, AFolderOrNoPathIsNoSong) {
    CurrentFolder folder;
    fs::create_directory(folder / "album");
    EXPECT_EQ(transposeFile(1, "album"), -1);
    EXPECT_EQ(readText(folder / "Error2.msg"), "album not found.\n");
    EXPECT_EQ(transposeFile(1, nullptr), -1);
    EXPECT_EQ(readText(folder / "Error2.msg"), " not found.\n");
}

TEST(TransposeFile, ACopyFailureKeepsTheCopySoFarAndItsMessage) {
    CurrentFolder folder;
    const Bytes sounding = oneTrackSong({0x00, 0x90, 60, 100});
    writeBytes(folder / "Input.sng", sounding);
    EXPECT_EQ(transposeFile(0, "Input.sng"), -1);
    EXPECT_EQ(readText(folder / "Error2.msg"), "\nTranspose error: 1");
    EXPECT_EQ(readBytes(folder / "Input.bin"), sounding);
}

TEST(TransposeFile, InputBinThatCannotBeCreated) {
    CurrentFolder folder;
    writeBytes(folder / "Input.sng", song);
    fs::create_directory(folder / "Input.bin");
    EXPECT_EQ(transposeFile(1, "Input.sng"), -1);
    EXPECT_EQ(readText(folder / "Error2.msg"), "Cannot create Input.bin.\n");
}

// A copy that never reached the disk must not be reported as done. The size limit stands in
// for a full disk: it holds the message but not the copy.
TEST(TransposeFile, InputBinThatCannotBeWritten) {
    CurrentFolder folder;
    Bytes notes;
    for (int i = 0; i < 8; ++i)
        testkit::append(notes, {0x00, 0x90, 60, 100, 0x60, 0x80, 60, 64});
    writeBytes(folder / "Input.sng", oneTrackSong(notes));
    int result = 0;
    {
        const testkit::FileSizeLimit limit(32);
        result = transposeFile(1, "Input.sng");
    }
    EXPECT_EQ(result, -1);
    EXPECT_EQ(readText(folder / "Error2.msg"), "Cannot write Input.bin.\n");
}

TEST(TransposeFile, ErrorFileThatCannotBeCreatedIsToldOnStandardOutput) {
    CurrentFolder folder;
    writeBytes(folder / "Input.sng", song);
    fs::create_directory(folder / "Error2.msg");
    testing::internal::CaptureStdout();
    EXPECT_EQ(transposeFile(1, "Input.sng"), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Cannot create Error2.msg");
    EXPECT_FALSE(fs::exists(folder / "Input.bin"));
}

} // namespace
} // namespace notebend::test
