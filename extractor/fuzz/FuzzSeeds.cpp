// Writes a few small songs to start the fuzzer from: a karaoke song, a song with every kind
// of event in its lyric track, and one of four tracks.
#include "MidiBuilder.h"
#include "TempDir.h"

#include <cstdio>
#include <filesystem>

using testkit::MidiBuilder;
using testkit::TrackBuilder;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const TrackBuilder conductor =
        TrackBuilder().tempo(0, 500000).timeSignature(0, 4, 2).endOfTrack(0);
    const TrackBuilder music =
        TrackBuilder().program(0, 0, 1).noteOn(0, 0, 60, 90).noteOff(96, 0, 60).endOfTrack(0);

    testkit::writeBytes(folder / "karaoke.mid", MidiBuilder(1, 96)
                                                    .track(conductor)
                                                    .track(music)
                                                    .track(TrackBuilder()
                                                               .text(0, "@KMIDI KARAOKE FILE")
                                                               .text(0, "@TTitle")
                                                               .text(10, "/Hel")
                                                               .text(10, "lo")
                                                               .text(10, "\\world")
                                                               .endOfTrack(0))
                                                    .build());
    testkit::writeBytes(folder / "events.mid",
                        MidiBuilder(1, 480)
                            .track(conductor)
                            .track(music)
                            .track(TrackBuilder()
                                       .sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
                                       .tempo(0, 600000)
                                       .keySignature(0, 2, 0)
                                       .controller(0, 1, 7, 100)
                                       .raw(0, {0xD1, 0x40})
                                       .raw(0, {0xE1, 0x00, 0x40})
                                       .lyric(5, "/la")
                                       .endOfTrack(0))
                            .build());
    testkit::writeBytes(folder / "four-tracks.mid",
                        MidiBuilder(1, 120)
                            .track(conductor)
                            .track(music)
                            .track(TrackBuilder().lyric(0, "/a").endOfTrack(0))
                            .track(music)
                            .build());
    return 0;
}
