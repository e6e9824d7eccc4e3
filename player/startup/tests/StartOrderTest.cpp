// Start-up in temporary application folders: which folders let the player start, what it
// says when one does not, and what has already happened by then.
#include "startup/StartOrder.h"

#include "RuntimeDirScope.h"
#include "TempDir.h"
#include "startup/StartupTexts.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace player;

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

    explicit Start(const testkit::TempDir& folder) {
        state.AppFolder = QString::fromStdString(folder.path().string());
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
        std::vector<std::string> log;
        QString firstSong; // handed to the pipeline, or empty
        int pictures;      // -1: the no-songs text
    } rows[] = {
        {"no songs", {"a.bmp", "b.jpg", "notes.txt"}, {"fatal"}, {}, -1},
        {"no pictures", {"Song.kar"}, {"windows", "fatal"}, "Song.kar", 0},
        {"one picture", {"b.mid", "A.KAR", "only.gif"}, {"windows", "fatal"}, "A.KAR", 1},
        {"two pictures",
         {"b.mid", "a.kar", "x.GIF", "y.bmp"},
         {"windows", "paint", "show"},
         "a.kar",
         2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        RuntimeDirScope runtime;
        testkit::TempDir folder;
        for (const char* f : r.files)
            touch(folder / f);
        const QString previous = QDir::currentPath();
        {
            Start start(folder);
            EXPECT_EQ(start.order.run(), r.log.back() == "show");
            EXPECT_EQ(start.host.log, r.log);
            EXPECT_EQ(QDir::currentPath(), start.state.AppFolder);
            const std::vector<QString> firstSong =
                r.firstSong.isEmpty() ? std::vector<QString>{} : std::vector{r.firstSong};
            EXPECT_EQ(start.loaded, firstSong);
            if (r.pictures < 0) {
                EXPECT_EQ(start.host.fatalText, noSongsText(start.state.AppFolder));
            } else if (r.pictures < 2) {
                EXPECT_EQ(start.host.fatalText,
                          tooFewPicturesText(r.pictures, start.state.AppFolder));
            } else {
                EXPECT_TRUE(start.state.PicturesAvailable);
            }
        }
        QDir::setCurrent(previous);
    }
}

TEST(StartOrderTest, TextsOfTheFolderChecks) {
    EXPECT_EQ(noSongsText("/songs"),
              "You have no .kar/.mid file installed in my default folder:\n/songs\nPlease copy "
              "*.kar/*.mid songs into this folder, then start again. Zu-Dezivez will stop now. "
              "See you again.");
    EXPECT_EQ(tooFewPicturesText(1, "/p"),
              "You have only one picture file installed in my default folder:\n/p\nPlease copy "
              "*.bmp, *.gif, *.jpg files into this folder to activate picture display. "
              "Zu-Dezivez will stop now. See you again.");
    EXPECT_TRUE(tooFewPicturesText(0, "/p").startsWith(
        "You have no picture file installed in my default folder:\n/p\n"));
}

TEST(StartOrderTest, ASecondStartEndsSilentlyAndLeavesTheFirstAlone) {
    RuntimeDirScope runtime;
    testkit::TempDir folder;
    for (const char* f : {"a.kar", "x.bmp", "y.bmp"})
        touch(folder / f);
    const QString previous = QDir::currentPath();
    Start first(folder);
    ASSERT_TRUE(first.order.run());

    Start second(folder);
    EXPECT_FALSE(second.order.run());
    EXPECT_EQ(second.host.log, std::vector<std::string>{"end"});
    EXPECT_TRUE(second.loaded.empty());
    EXPECT_EQ(second.state.PictureInterval, 25000);
    QDir::setCurrent(previous);
}
