// Start-up in temporary application folders: which folders let the player start, what it
// says when one does not, and what has already happened by then.
#include "startup/StartOrder.h"

#include "RuntimeDirScope.h"
#include "TempDir.h"
#include "startup/StartupTexts.h"

#include <QDir>
#include <filesystem>
#include <gtest/gtest.h>

using namespace player;
namespace fs = std::filesystem;

namespace {

class RecordingHost : public StartupHost {
public:
    std::vector<std::string> log;
    QString fatalText;

    void fatal(const QString& text) override {
        fatalText = text;
        log.push_back("fatal");
    }
    void endSilently() override { log.push_back("end"); }
    void showWindowsAndMeasure() override { log.push_back("windows"); }
    void PaintPanel() override { log.push_back("paint"); }
    void showPanel() override { log.push_back("show"); }
};

struct Start {
    PlayerState state;
    FileListBox songs{"*.kar;*.mid"};
    FileListBox pictures{"*.bmp;*.jpg;*.gif"};
    TextBox TxtPathName;
    RecordingHost host;
    StartOrder order{state, songs, pictures, TxtPathName, host};
    std::vector<QString> loaded;

    Start(const testkit::TempDir& songFolder, const testkit::TempDir& demo,
          const testkit::TempDir& work) {
        state.SongFolder = QString::fromStdString(songFolder.path().string());
        state.DemoFolder = QString::fromStdString(demo.path().string());
        state.WorkFolder = QString::fromStdString(work.path().string());
        QObject::connect(&TxtPathName, &TextBox::Change,
                         [this] { loaded.push_back(TxtPathName.text()); });
    }
};

void touch(const std::filesystem::path& file) {
    testkit::writeBytes(file, {0});
}

} // namespace

TEST(StartOrderTest, FoldersThatLetThePlayerStartOrNot) {
    struct Row {
        const char* name;
        std::vector<const char*> files;
        std::vector<const char*> demoFiles;
        std::vector<std::string> log;
        QString firstSong;     // handed to the pipeline, or empty
        const char* pictures; // where the slideshow's pictures come from: "songs", "demo", ""
    } rows[] = {
        {"no songs", {"a.bmp", "b.jpg", "notes.txt"}, {}, {"fatal"}, {}, ""},
        {"no pictures: the demo's",
         {"Song.kar"},
         {"d1.jpg", "d2.gif"},
         {"windows", "paint", "show"},
         "Song.kar",
         "demo"},
        {"one picture and none in the demo: no slideshow",
         {"b.mid", "A.KAR", "only.gif"},
         {},
         {"windows", "paint", "show"},
         "A.KAR",
         ""},
        {"two pictures",
         {"b.mid", "a.kar", "x.GIF", "y.bmp"},
         {"d1.jpg", "d2.gif"},
         {"windows", "paint", "show"},
         "a.kar",
         "songs"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        RuntimeDirScope runtime;
        testkit::TempDir folder, demo, work;
        for (const char* f : r.files)
            touch(folder / f);
        for (const char* f : r.demoFiles)
            touch(demo / f);
        touch(work / "Input.sng"); // left by a player that was killed
        const QString previous = QDir::currentPath();
        {
            Start start(folder, demo, work);
            EXPECT_EQ(start.order.run(), r.log.back() == "show");
            EXPECT_EQ(start.host.log, r.log);
            EXPECT_EQ(QDir::currentPath(), start.state.WorkFolder);
            const std::vector<QString> firstSong =
                r.firstSong.isEmpty() ? std::vector<QString>{} : std::vector{r.firstSong};
            EXPECT_EQ(start.loaded, firstSong);
            if (r.log.front() == "fatal") {
                EXPECT_EQ(start.host.fatalText, noSongsText(start.state.SongFolder));
                continue;
            }
            EXPECT_FALSE(fs::exists(work / "Input.sng")) << "the stale working file stays";
            const std::string where = r.pictures;
            EXPECT_EQ(start.state.PicturesAvailable != False, !where.empty());
            if (!where.empty()) {
                EXPECT_EQ(start.pictures.folder(),
                          where == "songs" ? start.state.SongFolder : start.state.DemoFolder);
            }
        }
        QDir::setCurrent(previous);
    }
}

TEST(StartOrderTest, TheSongNamedOnTheCommandLineIsLoadedFirst) {
    RuntimeDirScope runtime;
    testkit::TempDir folder, demo, work;
    for (const char* f : {"a.kar", "b.kar", "c.mid", "x.bmp", "y.bmp"})
        touch(folder / f);
    const QString previous = QDir::currentPath();
    {
        Start start(folder, demo, work);
        start.order.setFirstSong("c.mid");
        ASSERT_TRUE(start.order.run());
        EXPECT_EQ(start.loaded, std::vector<QString>{"c.mid"});
        EXPECT_EQ(start.songs.listIndex(), 2);
    }
    QDir::setCurrent(previous);
}

TEST(StartOrderTest, TextsOfTheFolderChecks) {
    EXPECT_EQ(noSongsText("/songs"),
              "You have no .kar/.mid file installed in my default folder:\n/songs\nPlease copy "
              "*.kar/*.mid songs into this folder, then start again. Zu-Dezivez will stop now. "
              "See you again.");
}

TEST(StartOrderTest, ASecondStartEndsSilentlyAndLeavesTheFirstAlone) {
    RuntimeDirScope runtime;
    testkit::TempDir folder;
    for (const char* f : {"a.kar", "x.bmp", "y.bmp"})
        touch(folder / f);
    const QString previous = QDir::currentPath();
    testkit::TempDir demo, work;
    Start first(folder, demo, work);
    ASSERT_TRUE(first.order.run());

    touch(work / "Input.sng"); // the running player's
    Start second(folder, demo, work);
    EXPECT_FALSE(second.order.run());
    EXPECT_EQ(second.host.log, std::vector<std::string>{"end"});
    EXPECT_TRUE(second.loaded.empty());
    EXPECT_EQ(second.state.PictureInterval, 25000);
    EXPECT_TRUE(fs::exists(work / "Input.sng")) << "a second player cleared the first one's files";
    QDir::setCurrent(previous);
}
