// Writes a few small well-formed songs for the fuzz run to start from.
#include "MidiBuilder.h"
#include "TempDir.h"

#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const std::filesystem::path corpus(argv[1]);
    std::filesystem::create_directories(corpus);

    testkit::TrackBuilder tempo;
    tempo.tempo(0, 500000).timeSignature(0, 4, 2).endOfTrack(1920);
    testkit::TrackBuilder notes;
    notes.program(0, 0, 0).noteOn(0, 0, 60, 100).raw(240, {62, 90}).noteOff(240, 0, 60);
    notes.controller(0, 0, 7, 100).raw(0, {0xE0, 0, 64}).sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7});
    notes.endOfTrack(480);
    testkit::TrackBuilder words;
    words.text(0, "@TSong").lyric(480, "\\Hel").lyric(120, "lo").endOfTrack();
    testkit::writeBytes(
        corpus / "format1.mid",
        testkit::MidiBuilder(1, 480).track(tempo).track(notes).track(words).build());
    testkit::writeBytes(corpus / "format0.mid", testkit::MidiBuilder(0, 96).track(notes).build());
    return 0;
}
