// Measures the player's song loading, its memory while a song plays and the longest pull
// of the sound card, on the real windows, the real extractor and the FluidSynth device
// with the default SoundFont.
//
//   player_bench [--runs N] [song.kar ...]
//
// Load time: from setting TxtPathName to the end of LoadLyricData, median of N runs (15)
// of the first song. Then each song plays for five seconds: the resident set size after
// it, and the longest time the sound card's callback took to render one period, against
// the period (without MELODECK_AUDIO_FILE, on the driver the player chooses).
#include "MidiBuilder.h"
#include "TempDir.h"
#include "device/FluidSynthDevice.h"
#include "forms/FrmLyric.h"
#include "forms/FrmMain.h"
#include "state/PlayerState.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalBlocker>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// About the size of a karaoke song: three minutes of a melody and a bass line, and a lyric
// track of 400 syllables in 50 lines.
testkit::Bytes generatedSong() {
    testkit::TrackBuilder tempo;
    tempo.trackName(0, "Generated").tempo(0, 500000).endOfTrack(480 * 360);
    testkit::TrackBuilder melody;
    testkit::TrackBuilder bass;
    for (int beat = 0; beat < 360; ++beat) {
        melody.noteOn(0, 0, 60 + beat % 12, 90).noteOff(240, 0, 60 + beat % 12);
        melody.noteOn(0, 0, 64 + beat % 7, 80).noteOff(240, 0, 64 + beat % 7);
        bass.noteOn(0, 1, 36 + beat % 5, 100).noteOff(480, 1, 36 + beat % 5);
    }
    melody.endOfTrack();
    bass.endOfTrack();
    testkit::TrackBuilder words;
    words.text(0, "@KGenerated").text(0, "@TA song").text(0, "@TA singer");
    for (int syllable = 0; syllable < 400; ++syllable) {
        std::string text = syllable % 8 == 0 ? (syllable % 16 == 0 ? "\\la" : "/la") : " la";
        words.lyric(syllable == 0 ? 960 : 420, text);
    }
    words.endOfTrack();
    return testkit::MidiBuilder(1, 480).track(tempo).track(melody).track(bass).track(words).build();
}

long statusField(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return -1;
}

bool processEventsUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const fs::path built = qEnvironmentVariableIsSet("MELODECK_APP_DIR")
                               ? fs::path(qEnvironmentVariable("MELODECK_APP_DIR").toStdString())
                               : fs::path(MELODECK_BUILT_APP_DIR);
    if (!fs::exists(built / "textpull")) {
        std::fprintf(stderr, "no textpull in %s\n", built.c_str());
        return 1;
    }
    QStringList songs = QCoreApplication::arguments().mid(1);
    int runs = 15;
    if (const auto at = songs.indexOf(QStringLiteral("--runs")); at >= 0 && at + 1 < songs.size()) {
        runs = std::max(1, songs.at(at + 1).toInt());
        songs.remove(at, 2);
    }

    testkit::TempDir folder;
    fs::create_symlink(built / "textpull", folder / "textpull");
    std::vector<std::string> names;
    if (songs.isEmpty()) {
        testkit::writeBytes(folder / "song0.kar", generatedSong());
        names.push_back("generated");
    }
    for (qsizetype i = 0; i < songs.size(); ++i) {
        fs::copy_file(songs.at(i).toStdString(),
                      folder / ("song" + std::to_string(i) + ".kar"));
        names.push_back(fs::path(songs.at(i).toStdString()).filename().string());
    }

    player::PlayerState state;
    state.ProgramFolder = state.SongFolder = state.DemoFolder = state.WorkFolder =
        QString::fromStdString(folder.path().string());
    QDir::setCurrent(state.WorkFolder);
    player::FluidSynthDevice device(
        player::FluidSynthDevice::Options::fromEnvironment(folder.path().string()));
    player::FrmLyric lyric;
    player::FrmMain panel(state, device, device, lyric);
    const long rssBefore = statusField("VmRSS:");
    auto load = [&](const QString& song) {
        {
            const QSignalBlocker quiet(panel.TxtPathName);
            panel.TxtPathName->setText(QString());
        }
        panel.TxtPathName->setText(song);
        if (processEventsUntil([&] { return device.canPlay(); }, 10000))
            return true;
        std::fprintf(stderr, "%s did not load: %s\n", song.toLocal8Bit().constData(),
                     panel.LblVersion->text().toLocal8Bit().constData());
        return false;
    };

    std::vector<double> loads;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        if (!load("song0.kar"))
            return 1;
        loads.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(loads.begin(), loads.end());
    std::printf("load time (TxtPathName to the end of LoadLyricData), %d runs of %s: median "
                "%.1f ms, min %.1f ms, max %.1f ms\n",
                runs, names.front().c_str(), loads[loads.size() / 2], loads.front(),
                loads.back());

    std::printf("sound to %s\n", device.outputDescription().c_str());
    for (size_t i = 0; i < names.size(); ++i) {
        if (!load(QStringLiteral("song%1.kar").arg(i)))
            return 1;
        panel.RewindLyric();
        device.takeLongestPullMicroseconds();
        device.setTickInterval(100);
        device.play();
        processEventsUntil([] { return false; }, 5000);
        device.stop();
        device.setTickInterval(0);
        std::printf("%s: 5 s played to sixteenth %d of %d; resident memory %ld MB (before "
                    "loading %ld MB, peak %ld MB)",
                    names[i].c_str(), device.position(), device.length(),
                    statusField("VmRSS:") / 1024, rssBefore / 1024, statusField("VmHWM:") / 1024);
        if (device.pullPeriodMilliseconds() > 0)
            std::printf("; longest audio callback %.2f ms of a %.1f ms period",
                        static_cast<double>(device.takeLongestPullMicroseconds()) / 1000.0,
                        device.pullPeriodMilliseconds());
        std::printf("\n");
    }
    if (!device.notice().empty())
        std::printf("device: %s\n", device.notice().c_str());
    return 0;
}
