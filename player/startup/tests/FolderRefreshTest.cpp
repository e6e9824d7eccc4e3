// "Refresh" of the song list: with songs left nothing is loaded, with none the player
// powers off.
#include "startup/FolderRefresh.h"

#include "TempDir.h"
#include "device/FakeDevice.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

class CountingCanvas : public LyricCanvas {
public:
    int repaints = 0;
    bool setFontSize(int) override { return true; }
    int fontSize() const override { return 26; }
    double textWidth(const QString&) const override { return 0; }
    void setColour(const QColor&) override {}
    void moveTo(double, double) override {}
    double currentX() const override { return 0; }
    double currentY() const override { return 0; }
    void print(const QString&) override {}
    void repaintPicture() override { ++repaints; }
};

} // namespace

TEST(FolderRefreshTest, LeavesNoSongLoadedAndPowersOffWhenTheFolderIsEmpty) {
    struct Row {
        const char* name;
        std::vector<const char*> songs;
        bool poweredOff;
    } rows[] = {{"songs left", {"b.kar", "A.mid"}, false}, {"all removed", {}, true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        testkit::TempDir folder;
        for (const char* s : r.songs)
            testkit::writeBytes(folder / s, {0});
        PlayerState state;
        state.SongCount = 7;
        state.IsPlaying = True;
        FakeDevice device;
        device.open("Input.bin");
        QLabel LblTitle("Old song"), t0("a"), t1("b"), t2("c");
        TextBox TxtPathName;
        TxtPathName.setText("old.kar");
        FileListBox FileList("*.kar;*.mid");
        FileList.setFolder(QString::fromStdString(folder.path().string()));
        CountingCanvas Image1;
        std::vector<QString> boxes;
        bool off = false;
        FolderRefresh refresh(
            state, device, {LblTitle, TxtPathName, FileList, Image1, {&t0, &t1, &t2}},
            [&](const QString& text) { boxes.push_back(text); }, [&] { off = true; });

        refresh.CmdRefresh_Click();

        EXPECT_FALSE(device.canPlay());
        EXPECT_TRUE(state.IsStopped);
        EXPECT_FALSE(state.IsPlaying);
        EXPECT_TRUE(TxtPathName.text().isEmpty());
        EXPECT_TRUE(LblTitle.text().isEmpty() && t0.text().isEmpty() && t2.text().isEmpty());
        EXPECT_EQ(Image1.repaints, 1);
        EXPECT_EQ(state.SongCount, static_cast<int16_t>(r.songs.size()));
        EXPECT_EQ(off, r.poweredOff);
        if (r.poweredOff) {
            EXPECT_EQ(boxes, std::vector<QString>{"No song to play. Program will stop now."});
        } else {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(FileList.fileName(), "A.mid");
        }
    }
}
