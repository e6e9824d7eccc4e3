#include "frmStart.h"

#include "FontFixtures.h"
#include "FontTable.h"
#include "RuntimeDirScope.h"
#include "SessionFontInstaller.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Everything the launcher does to the world, in the order it does it.
using Journal = std::vector<std::string>;

class JournalBoxes : public MessageBox {
public:
    explicit JournalBoxes(Journal& journal) : journal_(journal) {}
    void show(const std::string& title, const std::string& text, Icon icon) override {
        journal_.push_back(std::string(icon == Icon::Stop ? "stop box " : "box ") + "[" + title +
                           "] " + text);
    }

private:
    Journal& journal_;
};

// Answers with the number of fonts given for each file name, 1 for the others.
class ScriptedFonts : public FontInstaller {
public:
    ScriptedFonts(Journal& journal, std::map<std::string, int> results)
        : journal_(journal), results_(std::move(results)) {}
    int addFontResource(const std::string& path) override {
        journal_.push_back("add " + path);
        auto found = results_.find(fs::path(path).filename().string());
        return found == results_.end() ? 1 : found->second;
    }
    void announceFontChange() override { journal_.push_back("announce"); }

private:
    Journal& journal_;
    std::map<std::string, int> results_;
};

// The real session installer, journalled.
class JournalSessionFonts : public SessionFontInstaller {
public:
    explicit JournalSessionFonts(Journal& journal) : journal_(journal) {}
    void announceFontChange() override {
        journal_.push_back("announce");
        SessionFontInstaller::announceFontChange();
    }

private:
    Journal& journal_;
};

class JournalStarter : public ProcessStarter {
public:
    JournalStarter(Journal& journal, bool succeeds) : journal_(journal), succeeds_(succeeds) {}
    bool start(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& firstFolder) override {
        std::string line = "start " + program;
        for (const std::string& argument : arguments)
            line += " " + argument;
        journal_.push_back(line + " from " + firstFolder);
        return succeeds_;
    }

private:
    Journal& journal_;
    bool succeeds_;
};

const std::string TitleBox = std::string("box [") + frmStart::Title + "] ";

std::string cannotInstall(const std::string& path) {
    return TitleBox + "Cannot install " + path + " font file";
}

Journal runLauncher(const std::string& folder, FontInstaller& fonts, Journal& journal,
                    bool playerStarts = true) {
    JournalBoxes boxes(journal);
    JournalStarter starter(journal, playerStarts);
    frmStart form(folder, boxes, fonts, starter);
    form.Form_Load();
    return journal;
}

TEST(frmStart, InstallsTheTableInOrderAndThenStartsThePlayer) {
    RuntimeDirScope runtime;
    Journal journal;
    ScriptedFonts fonts(journal, {});

    runLauncher("/opt/melodeck", fonts, journal);

    Journal expected;
    for (const char* file : FontTable) {
        expected.push_back(std::string("add /opt/melodeck/") + file);
        expected.push_back("announce");
    }
    expected.push_back("start melodeck from /opt/melodeck");
    EXPECT_EQ(journal, expected);
}

TEST(frmStart, EveryResultButExactlyOneIsReportedAndTheLoopGoesOn) {
    RuntimeDirScope runtime;
    Journal journal;
    ScriptedFonts fonts(journal, {{"Vswisec.ttf", 0}, {"Vntime.ttf", 2}, {"Sncencol.ttf", -1}});

    runLauncher("/opt/melodeck", fonts, journal);

    Journal expected;
    for (const char* file : FontTable) {
        std::string path = std::string("/opt/melodeck/") + file;
        expected.push_back("add " + path);
        bool fails = path.ends_with("Vswisec.ttf") || path.ends_with("Vntime.ttf") ||
                     path.ends_with("Sncencol.ttf");
        expected.push_back(fails ? cannotInstall(path) : "announce");
    }
    expected.push_back("start melodeck from /opt/melodeck");
    EXPECT_EQ(journal, expected);
}

TEST(frmStart, AFolderWithoutFontsShowsFourteenBoxesThenStartsThePlayer) {
    RuntimeDirScope runtime;
    testkit::TempDir folder;
    Journal journal;
    JournalSessionFonts fonts(journal);

    runLauncher(folder.path().string(), fonts, journal);

    Journal expected;
    for (const char* file : FontTable)
        expected.push_back(cannotInstall((folder / file).string()));
    expected.push_back("start melodeck from " + folder.path().string());
    EXPECT_EQ(journal, expected);
}

TEST(frmStart, BrokenAndDoubleFontsAreReportedTheOthersInstalled) {
    RuntimeDirScope runtime;
    testkit::TempDir folder;
    for (const char* file : FontTable)
        fs::copy_file(fontfixtures::oneFace(), folder / file);
    testkit::writeBytes(folder / "Vrevue.ttf", {'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'n', 't'});
    fs::copy_file(fontfixtures::twoFaces(), folder / "Vnexotic.ttf",
                  fs::copy_options::overwrite_existing);
    Journal journal;
    JournalSessionFonts fonts(journal);

    runLauncher(folder.path().string(), fonts, journal);

    Journal expected(4, "announce");
    expected.push_back(cannotInstall((folder / "Vrevue.ttf").string()));
    expected.insert(expected.end(), 3, "announce");
    expected.push_back(cannotInstall((folder / "Vnexotic.ttf").string()));
    expected.insert(expected.end(), 5, "announce");
    expected.push_back("start melodeck from " + folder.path().string());
    EXPECT_EQ(journal, expected);

    fs::path fontDir = runtime.path() / "melodeck" / "fonts";
    EXPECT_TRUE(fs::is_symlink(fontDir / "Vnexotic.ttf")) << "the two faces are added all the same";
    EXPECT_FALSE(fs::exists(fontDir / "Vrevue.ttf"));
    EXPECT_TRUE(fs::is_symlink(fontDir / "Sncencol.ttf"));
}

TEST(frmStart, APlayerThatCannotStartIsReportedWithTheStopIcon) {
    RuntimeDirScope runtime;
    Journal journal;
    ScriptedFonts fonts(journal, {{"Sncencol.ttf", 0}});

    runLauncher("/opt/melodeck", fonts, journal, false);

    ASSERT_GE(journal.size(), 3u);
    EXPECT_EQ(journal[journal.size() - 3], cannotInstall("/opt/melodeck/Sncencol.ttf"));
    EXPECT_EQ(journal[journal.size() - 2], "start melodeck from /opt/melodeck");
    EXPECT_EQ(journal.back(),
              std::string("stop box [") + frmStart::Title + "] Cannot start melodeck");
}

TEST(frmStart, InTheRootFolderThePathHoldsTwoSlashes) {
    RuntimeDirScope runtime;
    Journal journal;
    ScriptedFonts fonts(journal, {});

    runLauncher("/", fonts, journal);

    EXPECT_EQ(journal.front(), "add //Vswisec.ttf");
}

TEST(frmStart, WithoutAPrivateRuntimeFolderOneBoxSaysWhyAndThePlayerStillStarts) {
    RuntimeDirScope runtime;
    const fs::path taken = runtime.path() / "melodeck";
    testkit::writeBytes(taken, {'x'});
    Journal journal;
    ScriptedFonts fonts(journal, {});

    runLauncher("/opt/melodeck", fonts, journal);

    EXPECT_EQ(journal, (Journal{TitleBox + "No private folder for melodeck's session files: " +
                                    taken.string() + " is not a folder.",
                                "start melodeck from /opt/melodeck"}));
}

TEST(frmStart, ASocketLeftByADeadPlayerIsClearedAtStart) {
    RuntimeDirScope runtime;
    const fs::path dir = runtime.path() / "melodeck";
    fs::create_directory(dir);
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace);
    const fs::path dead = dir / "msg-4242.sock";
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(dead.string().size(), sizeof addr.sun_path);
    dead.string().copy(addr.sun_path, sizeof addr.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    close(fd); // the receiver ends without removing its socket file
    Journal journal;
    ScriptedFonts fonts(journal, {});

    runLauncher("/opt/melodeck", fonts, journal);

    EXPECT_FALSE(fs::exists(fs::symlink_status(dead)));
}

TEST(frmStart, ASecondLauncherDoesNothingAtAll) {
    RuntimeDirScope runtime;
    platform::InstanceLock first("didizir");
    ASSERT_FALSE(first.previousInstance());
    Journal journal;
    ScriptedFonts fonts(journal, {});

    runLauncher("/opt/melodeck", fonts, journal);

    EXPECT_TRUE(journal.empty());
}

TEST(frmStart, FontsOfTheSongFolderFirstThenTheDemosAndTheSongIsPassedOn) {
    RuntimeDirScope runtime;
    testkit::TempDir songs, demo;
    const char* own = FontTable[0];
    testkit::writeBytes(songs / own, {0});
    Journal journal;
    ScriptedFonts fonts(journal, {});
    JournalBoxes boxes(journal);
    JournalStarter starter(journal, true);
    const std::string song = (songs / "a.kar").string();
    frmStart form("/opt/melodeck", boxes, fonts, starter, {song},
                  {songs.path().string(), demo.path().string()});
    form.Form_Load();

    ASSERT_GE(journal.size(), 3u);
    EXPECT_EQ(journal[0], "add " + (songs / own).string());
    EXPECT_EQ(journal[2], "add " + (demo / FontTable[1]).string());
    EXPECT_EQ(journal.back(), "start melodeck " + song + " from /opt/melodeck");
}

} // namespace
