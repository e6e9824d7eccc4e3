#pragma once
// The status tick with the song list, the transport and the lyric around it, over a device
// that plays nothing. Choosing a song "loads" it at once: the device opens it.
#include "TempDir.h"
#include "device/FakeDevice.h"
#include "lyric/LyricAdvance.h"
#include "lyric/PictureCanvas.h"
#include "playback/Playback.h"
#include "songlist/SongList.h"
#include "status/MainLoop.h"

#include <QLabel>
#include <QProgressBar>
#include <QScrollBar>
#include <deque>
#include <fstream>

class TickRig : public player::AutoPlayLamps, public player::LyricAdvanceHost {
public:
    static constexpr int32_t kSongLength = 64;

    explicit TickRig(const std::vector<std::string>& songs) {
        for (const auto& song : songs)
            std::ofstream(dir / song) << "song";
        FileList.setFolder(QString::fromStdString(dir.path().string()));
        FileList.refresh();
        device.setSongLength(kSongLength);
        device.setStatusTickHandler([this] { status.StatusTick(); });
        QObject::connect(&TxtPathName, &player::TextBox::Change, [this] {
            loaded.push_back(TxtPathName.text().toStdString());
            device.open(TxtPathName.text().toStdString());
        });
    }

    // Selects the entry, loads it and plays it from the start.
    void playEntry(int index) {
        FileList.setListIndex(index);
        TxtPathName.setText(FileList.fileName());
        playback.PlaySong();
    }

    // Lets the song play to its end and raises the tick that finds it stopped.
    void playToEnd() {
        device.advanceTo(kSongLength);
        device.tick();
    }

    std::array<bool, 3> lamps{};
    void setLampLit(int index, bool lit) override { lamps[static_cast<size_t>(index)] = lit; }
    void hideTitles() override {
        for (auto* title : LblTit)
            title->hide();
    }
    void ChangePicture(const std::string&) override {}
    void showStatus(const QString& text) override { LblVersion.setText(text); }
    void fatal(const QString& text) override { fatalText = text; }

    testkit::TempDir dir;
    player::PlayerState state;
    player::FakeDevice device;
    QWidget panel;
    QWidget lyricScreen;
    player::PictureCanvas Image1{&lyricScreen};
    std::array<QLabel*, 3> LblTit{new QLabel(&lyricScreen), new QLabel(&lyricScreen),
                                  new QLabel(&lyricScreen)};
    player::FileListBox FileList{QStringLiteral("*.kar;*.mid")};
    player::TextBox TxtPathName;
    player::FormTimer Timer2;
    QLabel LblVersion;
    QScrollBar HScroll1{Qt::Horizontal};
    QProgressBar ProgressBar1;
    std::vector<std::string> loaded;
    int rewinds = 0;
    QString fatalText;
    // What the random mode draws; empty: always 0.
    std::deque<double> draws;

    player::Playback playback{state,
                              device,
                              Timer2,
                              LblVersion,
                              *this,
                              [this] {
                                  ++rewinds;
                                  device.setStartPosition(0);
                                  return player::True;
                              },
                              [] {}};
    player::SongList songList{
        state, device, FileList, TxtPathName, Timer2, *this, LblVersion, [this] {
            if (draws.empty())
                return 0.0;
            const double next = draws.front();
            draws.pop_front();
            return next;
        }};
    player::LyricAdvance lyric{state, Image1, *this, device};
    player::MainLoop status{
        state, device,   {HScroll1, ProgressBar1, LblVersion, Timer2, panel, Image1, LblTit},
        *this, playback, songList,
        lyric};
};
