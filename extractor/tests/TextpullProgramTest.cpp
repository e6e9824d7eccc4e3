// Runs the real textpull in a temporary working folder, with a receiver standing in for
// the player's window.
#include "LyricFiles.h"
#include "MessagePort.h"
#include "RuntimeDirScope.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

using namespace textpull::test;
using testkit::Bytes;
using testkit::MidiBuilder;
using testkit::TrackBuilder;

namespace {

constexpr int32_t kPlayer = 4242;

struct Ran {
    int exitCode = -1;
    std::string output;
};

Ran RunTextpullIn(const LyricFolder& folder, const std::vector<std::string>& args) {
    const std::string program = TEXTPULL_PROGRAM;
    testkit::TempDir outputDir;
    const std::string outputFile = (outputDir / "stdout").string();

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.path().c_str());
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + program);
    int status = 0;
    waitpid(pid, &status, 0);
    Ran ran;
    ran.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ran.output = testkit::readText(outputFile);
    return ran;
}

Bytes GoodSong() {
    return MidiBuilder()
        .track(TrackBuilder().tempo(0, 500000).endOfTrack(0))
        .track(TrackBuilder().noteOn(0, 0, 60, 90).noteOff(480, 0, 60).endOfTrack(0))
        .track(TrackBuilder().text(0, "@TTitle").lyric(10, "/la").lyric(10, "la").endOfTrack(0))
        .build();
}

std::optional<int32_t> kSuccess = 0;
std::optional<int32_t> kFailure = platform::kKeyContextBit;
std::optional<int32_t> kNothing;

} // namespace

TEST(TextpullProgram, AnswersThePlayerAsTheCommandLineAndSongDecide) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        Bytes song;
        int exitCode;
        const char* error;
        bool styErr;
        std::optional<int32_t> posted; // the second parameter of the key-up sent to kPlayer
    };
    const std::string handle = std::to_string(kPlayer);
    const Bytes format0 = MidiBuilder(0).track(TrackBuilder().endOfTrack(0)).build();
    const Case cases[] = {
        {"success", {handle}, GoodSong(), 0, "", false, kSuccess},
        {"failure of the run", {handle}, format0, 1, "Midi format = 0", true, kFailure},
        {"the reader's abort makes no marker",
         {handle},
         MidiBuilder(1, 65501).build(),
         1,
         "DivVal is out of range 65501.",
         false,
         kFailure},
        {"cut inside a delta time",
         {handle},
         {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 3, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, 1, 0x80},
         1,
         "Error Common GetDtTime.",
         false,
         kFailure},
        {"not a song", {handle}, {'h', 'i'}, 1, "No MThd Found.", true, kFailure},
        {"handle followed by a space",
         {handle + " "},
         GoodSong(),
         1,
         "Invalid parameters.",
         true,
         kNothing},
        {"two words", {handle, "7"}, GoodSong(), 1, "Invalid parameters.", true, kNothing},
        {"no handle", {}, GoodSong(), 1, "Invalid parameters.", true, kNothing},
        {"word that is no number", {"abc"}, GoodSong(), 1, "", true, kNothing},
        {"handle 0", {"0"}, GoodSong(), 1, "", true, kNothing},
        {"a handle with no receiver still runs", {"-5"}, GoodSong(), 0, "", false, kNothing},
        {"499 characters are one word",
         {std::string(499 - handle.size(), '0') + handle},
         GoodSong(),
         0,
         "",
         false,
         kSuccess},
        {"500 characters are too many",
         {std::string(500 - handle.size(), '0') + handle},
         GoodSong(),
         1,
         "Invalid parameters.",
         true,
         kNothing},
    };
    for (const auto& c : cases) {
        RuntimeDirScope runtime;
        platform::MessageReceiver player;
        ASSERT_FALSE(player.open(kPlayer).has_value());
        LyricFolder folder;
        folder.WriteSong(c.song);
        testkit::writeBytes(folder / "Error1.msg", {'o', 'l', 'd'});

        const Ran ran = RunTextpullIn(folder, c.args);

        EXPECT_EQ(ran.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(folder.Text("Error1.msg"), c.error) << c.name;
        EXPECT_EQ(std::filesystem::exists(folder / "sty.err"), c.styErr) << c.name;
        if (c.styErr) {
            EXPECT_EQ(std::filesystem::file_size(folder / "sty.err"), 0u) << c.name;
        }
        const auto message = player.receive();
        ASSERT_EQ(message.has_value(), c.posted.has_value()) << c.name;
        if (message) {
            EXPECT_EQ(message->message, platform::kWmKeyUp) << c.name;
            EXPECT_EQ(message->wParam, 58) << c.name;
            EXPECT_EQ(message->lParam, *c.posted) << c.name;
        }
        EXPECT_FALSE(player.receive().has_value()) << c.name << ": one message at most";
        EXPECT_EQ(ran.output, "") << c.name;
    }
}

TEST(TextpullProgram, SuccessLeavesTheLyricFilesAndAnOldMarker) {
    RuntimeDirScope runtime;
    platform::MessageReceiver player;
    ASSERT_FALSE(player.open(kPlayer).has_value());
    LyricFolder folder;
    folder.WriteSong(GoodSong());
    testkit::writeBytes(folder / "sty.err", {});

    EXPECT_EQ(RunTextpullIn(folder, {std::to_string(kPlayer)}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "sty.err")) << "a later success leaves it";
    EXPECT_EQ(folder.Decoded("Input.tit"), "\r\n Title\r\n\r\n");
    EXPECT_EQ(folder.Decoded("Input.str"), "/lala");
    EXPECT_EQ(folder.Decoded("Input.dat"), "480\r\n000010|/la\r\n000020|la\r\n000020|");
    EXPECT_EQ(folder.Decoded("Input0.str"), "@TTitle\r\n/lala");
    ASSERT_TRUE(player.receive().has_value());
}

TEST(TextpullProgram, AnErrorChannelThatCannotBeCreatedIsNoticedOnStandardOutput) {
    RuntimeDirScope runtime;
    platform::MessageReceiver player;
    ASSERT_FALSE(player.open(kPlayer).has_value());
    LyricFolder folder;
    folder.WriteSong(GoodSong());
    std::filesystem::create_directory(folder / "Error1.msg");

    const Ran ran = RunTextpullIn(folder, {std::to_string(kPlayer)});
    EXPECT_EQ(ran.exitCode, 1);
    EXPECT_EQ(ran.output, "\nCan not create Error1.msg.");
    EXPECT_TRUE(std::filesystem::exists(folder / "sty.err"));
    EXPECT_FALSE(player.receive().has_value()) << "no handle was read yet";
    EXPECT_FALSE(std::filesystem::exists(folder / "Input.dat"));
}

// Someone who can write the working folder plants a link where a working file goes, to make
// the run overwrite a file of the player's user elsewhere.
TEST(TextpullProgram, AWorkingFileLinkedElsewhereIsReplacedNeverWrittenThrough) {
    struct Case {
        const char* planted;
        Bytes song;
        int exitCode;
    };
    const Bytes notASong{'h', 'i'}; // fails, so "sty.err" is made
    const Case cases[] = {
        {"Input0.dat", GoodSong(), 0}, {"Input0.str", GoodSong(), 0}, {"Input.dat", GoodSong(), 0},
        {"Input.str", GoodSong(), 0},  {"Input.tit", GoodSong(), 0},  {"Error1.msg", GoodSong(), 0},
        {"sty.err", notASong, 1},
    };
    for (const auto& c : cases) {
        RuntimeDirScope runtime;
        testkit::TempDir outside;
        testkit::writeBytes(outside / "victim", {'k', 'e', 'e', 'p'});
        LyricFolder folder;
        folder.WriteSong(c.song);
        std::filesystem::create_symlink(outside / "victim", folder / c.planted);

        EXPECT_EQ(RunTextpullIn(folder, {"-5"}).exitCode, c.exitCode) << c.planted;

        EXPECT_EQ(testkit::readText(outside / "victim"), "keep") << c.planted;
        const auto status = std::filesystem::symlink_status(folder / c.planted);
        EXPECT_EQ(status.type(), std::filesystem::file_type::regular) << c.planted;
        EXPECT_EQ(status.permissions(),
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
            << c.planted;
    }
}

TEST(TextpullProgram, ASongLinkedInFromElsewhereIsRefused) {
    RuntimeDirScope runtime;
    testkit::TempDir outside;
    testkit::writeBytes(outside / "song.kar", GoodSong());
    LyricFolder folder;
    std::filesystem::create_symlink(outside / "song.kar", folder / "Input.sng");

    EXPECT_EQ(RunTextpullIn(folder, {"-5"}).exitCode, 1);
    EXPECT_EQ(folder.Text("Error1.msg"), "Cannot open Input.sng.");
    EXPECT_FALSE(std::filesystem::exists(folder / "Input0.dat"));
}
