#pragma once
// Tells the user what becomes of the sound: the about box names the output in use, and a
// reason the player cannot be heard (no SoundFont, no sound output, output lost) stays on
// the status line until it is mended.
namespace player {

class FluidSynthDevice;
class FrmMain;

void showSoundStatus(FluidSynthDevice& device, FrmMain& panel);

} // namespace player
