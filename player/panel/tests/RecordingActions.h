#pragma once
// Face actions that only write down what ran, in order.
#include "panel/FaceActions.h"

#include <string>
#include <vector>

class RecordingActions : public player::FaceActions {
public:
    std::vector<std::string> log;

    void CmdOff_Click() override { log.push_back("CmdOff_Click"); }
    void CmdAuto_Click() override { log.push_back("CmdAuto_Click"); }
    void CmdList_Click() override { log.push_back("CmdList_Click"); }
    void CmdAbout_Click() override { log.push_back("CmdAbout_Click"); }
    void CmdBrowse_Click() override { log.push_back("CmdBrowse_Click"); }
    void CmdTrans_Click() override { log.push_back("CmdTrans_Click"); }
    void ImgFont_Click(int16_t index) override {
        log.push_back("ImgFont_Click " + std::to_string(index));
    }
    void PlaySong() override { log.push_back("PlaySong"); }
    void PauseResume() override { log.push_back("PauseResume"); }
    void StopSong() override { log.push_back("StopSong"); }
    void PrevSong() override { log.push_back("PrevSong"); }
    void NextSong() override { log.push_back("NextSong"); }
    void UpdateDeviceState(int32_t) override { log.push_back("UpdateDeviceState"); }
};
