// Power-off deletes exactly the nine working files, whatever else the folder holds.
#include "startup/PowerOff.h"

#include "TempDir.h"
#include "device/FakeDevice.h"

#include <QDir>
#include <gtest/gtest.h>
#include <set>

using namespace player;

namespace {

std::set<std::string> namesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace

TEST(PowerOffTest, DeletesTheNineWorkingFilesAndNothingElse) {
    testkit::TempDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.path().string()));
    const std::set<std::string> kept{"sty.err",   "Song.kar",   "a.bmp",
                                     "input.sng", "Error3.msg", "melodeck"};
    for (const std::string& name : kept)
        testkit::writeBytes(folder / name, {1});
    // One of the nine is missing: it is skipped, the others still go.
    for (const char* name : kPowerOffFiles)
        if (std::string(name) != "Input.tit")
            testkit::writeBytes(folder / name, {1});

    PlayerState state;
    state.IsPlaying = True;
    state.DatFileNo = state.OpenFiles.openForInput("Input.dat");
    ASSERT_NE(state.DatFileNo, 0);
    FakeDevice device;
    device.open("Input.bin");
    QWidget panel, lyric;
    FormTimer Timer2, Timer3;
    Timer2.setInterval(10000);
    Timer3.setInterval(25000);
    bool ended = false;
    PowerOff off(state, device, {panel, lyric, {&Timer2, &Timer3}}, [&] { ended = true; });

    off.CmdOff_Click();

    EXPECT_EQ(namesIn(folder.path()), kept);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(device.canPlay());
    EXPECT_FALSE(state.IsPlaying);
    EXPECT_TRUE(state.IsStopped);
    EXPECT_FALSE(state.OpenFiles.isOpen(state.DatFileNo));
    EXPECT_FALSE(panel.isEnabled());
    EXPECT_FALSE(lyric.isEnabled());
    EXPECT_FALSE(Timer2.isTicking());
    EXPECT_FALSE(Timer3.isTicking());
    QDir::setCurrent(previous);
}
