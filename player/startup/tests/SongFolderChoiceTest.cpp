// Which folder the user sings from, given what the command line names and what the home
// folder holds.
#include "startup/SongFolderChoice.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace player;
namespace fs = std::filesystem;

namespace {

void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    testkit::writeBytes(file, {0});
}

TEST(SongFolderChoice, CommandLineThenKaraokeThenDemo) {
    struct Row {
        const char* name;
        std::vector<const char*> files; // under a scratch root: "songs/", "home/", "demo/"
        std::vector<const char*> arguments;
        const char* folder; // expected, under the root
        const char* song;   // expected, under the root, or ""
        bool problem;
    } rows[] = {
        {"a folder of songs", {"songs/a.KAR", "demo/d.kar"}, {"songs"}, "songs", "", false},
        {"a song", {"songs/b.mid", "demo/d.kar"}, {"songs/b.mid"}, "songs", "songs/b.mid", false},
        {"a folder without songs", {"songs/notes.txt", "demo/d.kar"}, {"songs"}, "demo", "", true},
        {"a file that is no song",
         {"songs/notes.txt", "demo/d.kar"},
         {"songs/notes.txt"},
         "demo",
         "",
         true},
        {"a folder that is not there, with ~/Karaoke",
         {"home/Karaoke/k.kar", "demo/d.kar"},
         {"gone"},
         "home/Karaoke",
         "",
         true},
        {"nothing named, ~/Karaoke holds songs",
         {"home/Karaoke/k.kar", "demo/d.kar"},
         {},
         "home/Karaoke",
         "",
         false},
        {"nothing named, ~/Karaoke empty",
         {"home/Karaoke/readme", "demo/d.kar"},
         {},
         "demo",
         "",
         false},
        {"nothing named, no ~/Karaoke", {"demo/d.kar"}, {}, "demo", "", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        testkit::TempDir root;
        for (const char* f : r.files)
            touch(root / f);
        const auto at = [&](const char* p) {
            return QString::fromStdString((root / p).lexically_normal().string());
        };
        QStringList arguments;
        for (const char* a : r.arguments)
            arguments << at(a);
        const auto choice = chooseSongFolder(arguments, at("home"), at("demo"));
        EXPECT_EQ(choice.folder, at(r.folder));
        EXPECT_EQ(choice.song, *r.song ? at(r.song) : QString());
        EXPECT_EQ(!choice.problem.isEmpty(), r.problem) << choice.problem.toStdString();
        if (r.problem) {
            EXPECT_TRUE(choice.problem.contains(arguments.first())) << "the box names the folder";
        }
    }
}

TEST(SongFolderChoice, TheDemoIsBesideTheProgramsInABuildAndUnderShareOnceInstalled) {
    testkit::TempDir root;
    fs::create_directories(root / "usr/lib/melodeck");
    const QString program = QString::fromStdString((root / "usr/lib/melodeck").string());
    EXPECT_EQ(demoFolder(program), program);
    fs::create_directories(root / "usr/share/melodeck/demo");
    EXPECT_EQ(demoFolder(program),
              QString::fromStdString((root / "usr/share/melodeck/demo").string()));
}

} // namespace
