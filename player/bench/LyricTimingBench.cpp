// Plays a song in real time through the whole player (the real extractor, the FluidSynth
// device, the status tick every 100 ms and the syllable timer between ticks) and measures,
// for every syllable, how far behind its audible time it is lit: the song time being heard
// at the moment it is lit (the rendered time less what the sound output holds), less the
// syllable's own time, both in milliseconds through the song's tempo map. Negative means
// lit before it is heard.
//
//   lyric_timing_bench [--sound-card] [song]
//
// The sound goes to a WAV file in real time, or with --sound-card to the sound card through
// the driver the player would choose. The default song is Twinkle_Twinkle_Little_Star.kar of
// the application folder. Lighting is seen by a 1 ms watch of the lyric state, so a lag may
// read up to 1 ms long.
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
#include <QEventLoop>
#include <QTimer>
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
    double midiMs = 0;     // when it sounds, from the start of the song
    double lagMs = 0;      // how long after it was heard it was lit
    bool lit = false;
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

// Runs the event loop, sleeping between events, until the condition holds or time is up.
bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
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
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool soundCard = args.contains(QStringLiteral("--sound-card"));
    QStringList songs = args;
    songs.removeAll(QStringLiteral("--sound-card"));
    const fs::path song = !songs.isEmpty() ? fs::absolute(songs.first().toStdString())
                                           : built / "Twinkle_Twinkle_Little_Star.kar";
    if (!fs::exists(built / "textpull") || !fs::exists(song))
        return fail("needs textpull and the song in the application folder (build it first)");

    testkit::TempDir folder;
    fs::create_symlink(built / "textpull", folder / "textpull");
    fs::copy_file(song, folder / song.filename());
    QDir::setCurrent(QString::fromStdString(folder.path().string()));
    if (soundCard)
        qunsetenv("MELODECK_AUDIO_FILE");
    else // real time, without a sound card
        qputenv("MELODECK_AUDIO_FILE", (folder / "out.wav").string().c_str());

    PlayerState state;
    state.ProgramFolder = state.SongFolder = state.DemoFolder = state.WorkFolder =
        QDir::currentPath();
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
        s.midiMs = tempo->milliseconds(s.tick);
        syllables.push_back(s);
    }

    // The syllables the lighting loop passed are those before the record it read last.
    size_t pending = 0; // the first syllable not lit yet
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (pending >= syllables.size() || state.IsPlaying == False)
            return;
        size_t next = pending;
        while (next < syllables.size() && syllables[next].record != state.RawRecord)
            ++next;
        if (state.LyricDataEnded != False)
            next = syllables.size();
        // Before the first record is read the pending one is the division line.
        if (next == pending || (next == syllables.size() && state.LyricDataEnded == False))
            return;
        const double heardMs = tempo->milliseconds(device.audibleTime().tick);
        for (size_t i = pending; i < next; ++i) {
            syllables[i].lagMs = heardMs - syllables[i].midiMs;
            syllables[i].lit = true;
        }
        pending = next;
    });
    watch.start(1);
    panel.PlaySong();
    const double lengthMs =
        tempo->milliseconds(static_cast<int64_t>(state.SongLength) * state.TicksPer16th);
    waitFor([&] { return device.mode() != ModePlaying && state.IsStopped != False; },
            static_cast<int>(lengthMs) + 5000);

    std::vector<double> lags;
    for (const Syllable& s : syllables)
        if (s.lit)
            lags.push_back(s.lagMs);
    if (lags.empty())
        return fail("no syllable was lit");
    const auto early = std::count_if(lags.begin(), lags.end(), [](double l) { return l < -20; });
    std::printf("song: %s, %zu syllables, %zu lit, sound to %s\n", song.filename().c_str(),
                syllables.size(), lags.size(), device.outputDescription().c_str());
    std::printf("lit after its audible time: median %.1f ms, p95 %.1f ms, max %.1f ms, "
                "min %.1f ms; %zd lit more than 20 ms early\n",
                percentile(lags, 0.5), percentile(lags, 0.95), percentile(lags, 1.0),
                percentile(lags, 0.0), static_cast<ssize_t>(early));
    std::printf("(targets: median under 20 ms, p95 under 40 ms, none more than 20 ms early)\n");
    return lags.size() == syllables.size() ? 0 : 1;
}
