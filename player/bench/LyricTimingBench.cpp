// Plays a song in real time through the whole player (the real extractor, the FluidSynth
// device writing a WAV file instead of the sound card, the status tick every 100 ms) and
// measures, for every syllable, when it is lit: after the first status tick at which the
// playing position reached its time, and after the moment it sounds in the music.
//
//   lyric_timing_bench [song]    (default: Twinkle_Twinkle_Little_Star.kar of the
//                                 application folder)
#include "TempDir.h"
#include "TempoMap.h"
#include "device/DeviceMode.h"
#include "device/FluidSynthDevice.h"
#include "forms/FrmLyric.h"
#include "forms/FrmMain.h"
#include "lyricdata/LyricCharset.h"
#include "lyricdata/LyricText.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;
using namespace player;

namespace {

struct Syllable {
    std::string record; // the decoded line of "Input.dat"
    int64_t tick = 0;
    int32_t sixteenth = 0;
    double midiMs = 0;       // when it sounds, from the start of the song
    double firstTickMs = -1; // the first tick whose position reached it
    double litMs = -1;
};

std::vector<std::string> decodedLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ConvertStr(line, 0);
        lines.push_back(line);
    }
    return lines;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5)];
}

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

int fail(const char* text) {
    std::fprintf(stderr, "lyric_timing_bench: %s\n", text);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const fs::path built =
        qEnvironmentVariableIsSet("MELODECK_APP_DIR")
            ? fs::path(qgetenv("MELODECK_APP_DIR").toStdString())
            : fs::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / ".." / "app";
    const fs::path song =
        argc > 1 ? fs::absolute(argv[1]) : built / "Twinkle_Twinkle_Little_Star.kar";
    if (!fs::exists(built / "textpull") || !fs::exists(song))
        return fail("needs textpull and the song in the application folder (build it first)");

    testkit::TempDir folder;
    fs::create_symlink(built / "textpull", folder / "textpull");
    fs::copy_file(song, folder / song.filename());
    QDir::setCurrent(QString::fromStdString(folder.path().string()));
    // Real time, without a sound card.
    qputenv("MELODECK_AUDIO_FILE", (folder / "out.wav").string().c_str());

    PlayerState state;
    state.AppFolder = QDir::currentPath();
    FluidSynthDevice device(FluidSynthDevice::Options::fromEnvironment(built.string()));
    if (!device.notice().empty())
        return fail(device.notice().c_str());
    FrmLyric lyric;
    FrmMain panel(state, device, device, lyric);
    lyric.showMaximised();
    state.FullWidth = lyric.width() * 15;
    state.FullHeight = lyric.height() * 15;
    panel.SetDisplaySize(False, state.FullHeight, state.FullWidth);

    panel.TxtPathName->setText(QString::fromStdString(song.filename().string()));
    if (!waitFor([&] { return state.LyricReplyReceived != False; }, 10000) ||
        state.HasLyric == False)
        return fail("the extractor gave no lyric for the song");

    const auto file = testkit::readBytes(folder / "Input.bin");
    const auto tempo = TempoMap::read(file);
    if (!tempo)
        return fail("the song is no Standard MIDI File");
    std::vector<Syllable> syllables;
    for (const std::string& line : decodedLines(folder / "Input.dat")) {
        const auto bar = line.find('|', 1);
        if (bar == std::string::npos || bar + 1 == line.size())
            continue; // the division line and the end-of-track record
        Syllable s;
        s.record = line;
        s.tick = leadingNumber(line.substr(0, bar));
        s.sixteenth = static_cast<int32_t>(s.tick / state.TicksPer16th);
        s.midiMs = tempo->milliseconds(s.tick);
        syllables.push_back(s);
    }

    QElapsedTimer clock;
    size_t pending = 0; // the first syllable not lit yet
    device.setStatusTickHandler([&] {
        const double tickMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        const int32_t position = device.position();
        for (size_t i = pending; i < syllables.size() && syllables[i].sixteenth <= position; ++i)
            if (syllables[i].firstTickMs < 0)
                syllables[i].firstTickMs = tickMs;
        panel.StatusTick();
        const double afterMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        // The syllables the lighting loop passed are those before the record it read last.
        size_t next = pending;
        while (next < syllables.size() && syllables[next].record != state.RawRecord)
            ++next;
        if (state.LyricDataEnded != False)
            next = syllables.size();
        for (size_t i = pending; i < next; ++i)
            syllables[i].litMs = afterMs;
        pending = std::max(pending, next);
    });

    clock.start();
    panel.PlaySong();
    const double lengthMs =
        tempo->milliseconds(static_cast<int64_t>(state.SongLength) * state.TicksPer16th);
    waitFor([&] { return device.mode() != ModePlaying && state.IsStopped != False; },
            static_cast<int>(lengthMs) + 5000);

    std::vector<double> afterTick, afterMusic;
    for (const Syllable& s : syllables) {
        if (s.litMs < 0 || s.firstTickMs < 0)
            continue;
        afterTick.push_back(s.litMs - s.firstTickMs);
        afterMusic.push_back(s.litMs - s.midiMs);
    }
    if (afterTick.empty())
        return fail("no syllable was lit");
    std::printf("song: %s, %zu syllables, %zu lit\n", song.filename().c_str(), syllables.size(),
                afterTick.size());
    std::printf("lit after the first tick that reached it: median %.2f ms, max %.2f ms "
                "(target: max under 20 ms)\n",
                percentile(afterTick, 0.5), percentile(afterTick, 1.0));
    std::printf("lit after its MIDI time: median %.1f ms, min %.1f ms, max %.1f ms\n",
                percentile(afterMusic, 0.5), percentile(afterMusic, 0.0),
                percentile(afterMusic, 1.0));
    return afterTick.size() == syllables.size() ? 0 : 1;
}
