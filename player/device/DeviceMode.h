#pragma once
// The sequencer's mode readings.
#include <cstdint>

namespace player {

enum DeviceMode : int32_t {
    ModeNotOpen = 524, // not open or not ready
    ModeStopped = 525,
    ModePlaying = 526,
    ModeRecording = 527,
    ModeSeeking = 528,
    ModePaused = 529,
    ModeReady = 530,
};

} // namespace player
