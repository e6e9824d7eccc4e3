// The open-song flow around the file dialog: what the panel, the folders and the song
// trigger look like for each way the dialog can end.
#include "about/SongBrowser.h"

#include "TempDir.h"

#include <QDir>
#include <gtest/gtest.h>
#include <queue>

using namespace player;

namespace {

class ScriptedChooser : public SongChooser {
public:
    std::queue<SongChoice> answers;
    std::vector<QString> startFolders;
    // The dialog may leave another folder current; the browser must not keep it.
    QString wanderTo;

    SongChoice chooseSong(const QString& startFolder) override {
        startFolders.push_back(startFolder);
        if (!wanderTo.isEmpty())
            QDir::setCurrent(wanderTo);
        SongChoice c = answers.front();
        answers.pop();
        return c;
    }
};

class SongBrowserTest : public ::testing::Test {
protected:
    SongBrowserTest() {
        previous_ = QDir::currentPath();
        state.ProgramFolder = state.SongFolder = state.DemoFolder = state.WorkFolder =
            QString::fromStdString(app.path().string());
        QDir::setCurrent(state.WorkFolder);
        testkit::writeBytes(elsewhere / "Far.kar", {'M', 'T', 'h', 'd'});
        chooser.wanderTo = QString::fromStdString(elsewhere.path().string());
        QObject::connect(&TxtPathName, &TextBox::Change, [this] { ++loads; });
        panel.show();
    }
    ~SongBrowserTest() override { QDir::setCurrent(previous_); }

    QString far() const { return QString::fromStdString((elsewhere / "Far.kar").string()); }

    testkit::TempDir app, elsewhere;
    PlayerState state;
    QWidget panel;
    TextBox TxtPathName;
    ScriptedChooser chooser;
    FileListBox songs{"*.kar;*.mid"};
    SongBrowser browser{state, panel, TxtPathName, songs, chooser};
    int loads = 0;

private:
    QString previous_;
};

} // namespace

TEST_F(SongBrowserTest, ChosenSongLoadsAndTheNextDialogStartsBesideIt) {
    const QString songFolder = state.SongFolder;
    chooser.answers.push({SongChoice::Outcome::Chosen, far()});
    browser.CmdBrowse_Click();
    EXPECT_EQ(TxtPathName.text(), far());
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(state.BrowseFolder, QString::fromStdString(elsewhere.path().string()) + "/");
    EXPECT_EQ(QDir::currentPath(), state.WorkFolder);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_FALSE(state.BrowseOpen);
    EXPECT_EQ(chooser.startFolders.back(), songFolder);
    // The song's folder is what the user sings from now, and the song list shows it.
    EXPECT_EQ(state.SongFolder, QString::fromStdString(elsewhere.path().string()));
    EXPECT_EQ(songs.folder(), state.SongFolder);

    // The same full path again loads nothing new.
    chooser.answers.push({SongChoice::Outcome::Chosen, far()});
    browser.CmdBrowse_Click();
    EXPECT_EQ(chooser.startFolders.back(), state.BrowseFolder);
    EXPECT_EQ(loads, 1);
}

TEST_F(SongBrowserTest, EndingsWithoutASong) {
    struct Row {
        const char* name;
        SongChoice choice;
        bool panelShown;
    } rows[] = {
        {"cancelled", {SongChoice::Outcome::Cancelled, {}}, true},
        {"empty name", {SongChoice::Outcome::NoName, {}}, false},
        {"file vanished", {SongChoice::Outcome::Chosen, "/nonexistent/Gone.kar"}, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TxtPathName.setText("Loaded.kar");
        loads = 0;
        panel.show();
        chooser.answers.push(r.choice);
        browser.CmdBrowse_Click();
        EXPECT_EQ(TxtPathName.text(), "Loaded.kar");
        EXPECT_EQ(loads, 0);
        EXPECT_EQ(panel.isVisible(), r.panelShown);
        EXPECT_EQ(QDir::currentPath(), state.WorkFolder);
        EXPECT_FALSE(state.BrowseOpen);
    }
}
