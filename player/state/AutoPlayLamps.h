#pragma once
// The three auto-play lamps ImgAuLed(0..2) above the Auto face. Lighting a lamp gives it
// the picture of ImgLedS, unlighting it the picture of ImgLedN.
namespace player {

class AutoPlayLamps {
public:
    virtual ~AutoPlayLamps() = default;
    // index 0 to 2, left to right.
    virtual void setLampLit(int index, bool lit) = 0;
};

} // namespace player
