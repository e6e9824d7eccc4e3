#pragma once
// The routines a release inside a face starts, named as the panel knows them.
#include <cstdint>

namespace player {

class FaceActions {
public:
    virtual ~FaceActions() = default;
    virtual void CmdOff_Click() = 0;
    virtual void CmdAuto_Click() = 0;
    virtual void CmdList_Click() = 0;
    virtual void CmdAbout_Click() = 0;
    virtual void CmdBrowse_Click() = 0;
    virtual void CmdTrans_Click() = 0;
    // index 0 to 9, the font face's own.
    virtual void ImgFont_Click(int16_t index) = 0;
    virtual void PlaySong() = 0;
    virtual void PauseResume() = 0;
    virtual void StopSong() = 0;
    virtual void PrevSong() = 0;
    virtual void NextSong() = 0;
    virtual void UpdateDeviceState(int32_t ignored) = 0;
};

} // namespace player
