// Renders a song to a WAV file through the player's own mix (the MIDI reset before the
// song, the synthesiser, reverb and chorus, the limiter) as fast as the machine goes, for
// comparing the player's sound with other renders of the same song.
//
//   render_song SONG OUT.wav [SOUNDFONT]
//
// Without a SoundFont the player's own choice for an empty song folder is used. Renders the
// song to its end and two seconds of its tail.
#include "device/DeviceMode.h"
#include "device/FluidSynthDevice.h"
#include "device/SoundFontChoice.h"
#include "pipeline/MidiReset.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_song SONG OUT.wav [SOUNDFONT]\n");
        return 2;
    }
    player::FluidSynthDevice::Options options;
    options.manualClock = true;
    options.wavFile = argv[2];
    options.soundFont = argc > 3 ? argv[3] : player::chooseSoundFont("").value_or("");
    player::FluidSynthDevice device(options);
    if (!device.notice().empty()) {
        std::fprintf(stderr, "%s\n", device.notice().c_str());
        return 1;
    }
    player::sendMidiReset(device);
    if (auto failure = device.open(argv[1])) {
        std::fprintf(stderr, "%s: %s\n", argv[1], failure->empty() ? "no song" : failure->c_str());
        return 1;
    }
    device.play();
    constexpr int kStepMs = 100;
    constexpr int kLongestMs = 60 * 60 * 1000;
    for (int ms = 0; device.mode() == player::ModePlaying && ms < kLongestMs; ms += kStepMs)
        device.render(kStepMs);
    device.render(2000);
    return 0;
}
