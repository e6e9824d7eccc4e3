// The device reads every song the user chooses before FluidSynth sees it: any bytes must
// give a timing or a refusal, never a crash or a read outside the file.
#include "device/SongTiming.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<unsigned char> file(data, data + size);
    const auto timing = player::readSongTiming(file);
    if (const auto* song = std::get_if<player::SongTiming>(&timing)) {
        if (song->division <= 0 || song->division > 32767 || song->endTick < 0)
            __builtin_trap();
    }
    return 0;
}
