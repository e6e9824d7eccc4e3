#include "PowerOff.h"

#include "pipeline/WorkingFiles.h"

namespace player {

PowerOff::PowerOff(PlayerState& state, SequencerDevice& device, Parts parts,
                   std::function<void()> end)
    : state_(state), device_(device), parts_(std::move(parts)), end_(std::move(end)) {}

void PowerOff::CmdOff_Click() {
    device_.close();
    state_.IsPlaying = False;
    state_.IsStopped = True;
    // From here nothing may keep the program from ending: each step's failure is ignored.
    parts_.FrmMain.setEnabled(false);
    parts_.FrmLyric.setEnabled(false);
    for (FormTimer* timer : parts_.timers)
        timer->setEnabled(false);
    state_.OpenFiles.closeAll();
    deleteWorkingFiles(kPowerOffFiles);
    end_();
}

} // namespace player
