#pragma once
// CmdOff_Click, the power-off: the song is closed, the windows go deaf, the timers stop,
// every file is closed and the nine working files are deleted; then the program ends.
#include "device/SequencerDevice.h"
#include "state/PlayerState.h"
#include "widgets/FormTimer.h"

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

namespace player {

// In the order they are deleted; "sty.err" is never deleted.
inline constexpr std::array<const char*, 9> kPowerOffFiles{
    "Error1.msg", "Error2.msg", "Input.sng",  "Input.bin", "Input.dat",
    "Input.str",  "Input.tit",  "Input0.dat", "Input0.str"};

class PowerOff {
public:
    struct Parts {
        QWidget& FrmMain;
        QWidget& FrmLyric;
        std::vector<FormTimer*> timers; // Timer2 and Timer3
    };

    // end: leaves the program; it does not return in the player.
    PowerOff(PlayerState& state, SequencerDevice& device, Parts parts, std::function<void()> end);

    void CmdOff_Click();

private:
    PlayerState& state_;
    SequencerDevice& device_;
    Parts parts_;
    std::function<void()> end_;
};

} // namespace player
