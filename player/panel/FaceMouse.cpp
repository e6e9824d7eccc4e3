#include "FaceMouse.h"

#include "PanelPaint.h"

namespace player {

FaceMouse::FaceMouse(const PlayerState& state, SkinButtons& buttons, MouseCapture& capture,
                     FacePainter& painter, FaceActions& actions)
    : state_(state), buttons_(buttons), capture_(capture), painter_(painter), actions_(actions) {}

bool FaceMouse::downGuardStops(int face) {
    switch (face) {
    case PicPrev:
    case PicNext:
        return state_.SongCount < 2;
    case PicPlay:
        return !state_.DeviceReady || state_.IsPlaying;
    case PicPaus:
        return !state_.DeviceReady || state_.IsStopped;
    case PicStop:
        if (!state_.DeviceReady)
            return true;
        if (state_.IsStopped) {
            capture_.release();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool FaceMouse::moveGuardStops(int face) {
    switch (face) {
    case PicPrev:
    case PicNext:
        return state_.SongCount < 2;
    case PicPlay:
    case PicPaus:
    case PicStop: {
        if (!state_.DeviceReady)
            return true;
        // The face that has nothing to do lets go of the pointer, so no hover look stays.
        const Flag16 idle = face == PicPlay ? state_.IsPlaying : state_.IsStopped;
        if (idle) {
            capture_.release();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void FaceMouse::MouseDown(int face, int16_t, float X, float Y) {
    if (downGuardStops(face))
        return;
    if (!InRect(button(face).HitRect, X, Y))
        return;
    painter_.paintFace(face, FaceImage::Pressed);
    button(face).Pressed = True;
}

void FaceMouse::MouseMove(int face, int16_t Button, float X, float Y) {
    if (moveGuardStops(face))
        return;
    const bool inside = InRect(button(face).HitRect, X, Y);
    if (Button != 0) {
        if (Button == kLeft || Button == kRight)
            painter_.paintFace(face, inside ? FaceImage::Pressed : restingImage(face, state_));
        return;
    }
    if (!inside) {
        capture_.release();
        painter_.paintFace(face, restingImage(face, state_));
        return;
    }
    if (capture_.holder() == button(face).Handle)
        return;
    capture_.capture(button(face).Handle);
    painter_.paintFace(face, FaceImage::Hover);
}

void FaceMouse::MouseUp(int face, int16_t, float X, float Y) {
    if (!button(face).Pressed)
        return;
    painter_.paintFace(face, restingImage(face, state_));
    button(face).Pressed = False;
    if (InRect(button(face).HitRect, X, Y))
        act(face);
}

void FaceMouse::act(int face) {
    if (isFontFace(face)) {
        actions_.ImgFont_Click(static_cast<int16_t>(fontIndex(face)));
        return;
    }
    switch (face) {
    case PicPower:
        actions_.CmdOff_Click();
        break;
    case PicAuto:
        actions_.CmdAuto_Click();
        break;
    case PicList:
        actions_.CmdList_Click();
        break;
    case PicAbou:
        actions_.CmdAbout_Click();
        break;
    case PicOpen:
        actions_.CmdBrowse_Click();
        break;
    case PicTrUp:
    case PicTrDn:
        actions_.CmdTrans_Click();
        break;
    case PicPrev:
        actions_.PrevSong();
        break;
    case PicNext:
        actions_.NextSong();
        break;
    case PicPlay:
        actions_.PlaySong();
        actions_.UpdateDeviceState(0);
        break;
    case PicPaus:
        actions_.PauseResume();
        capture_.release();
        actions_.UpdateDeviceState(0);
        break;
    case PicStop:
        actions_.StopSong();
        capture_.release();
        actions_.UpdateDeviceState(0);
        break;
    default:
        break;
    }
}

} // namespace player
