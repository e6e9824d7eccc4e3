#pragma once
// The FluidSynth device with the system's SoundFont and no audio driver: a test renders
// song time itself, so positions move exactly as far as it says.
#include "device/FluidSynthDevice.h"
#include "device/SoundFontChoice.h"

class ManualClockDevice : public player::FluidSynthDevice {
public:
    ManualClockDevice() : FluidSynthDevice(options()) {}

private:
    static Options options() {
        Options o;
        o.soundFont = player::chooseSoundFont("").value_or("");
        o.manualClock = true;
        return o;
    }
};
