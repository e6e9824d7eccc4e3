#pragma once
// The panel's mouse capture: one holder at a time, named by a face's Handle. While a face
// holds it, every mouse move over the panel or outside it goes to that face.
#include <cstdint>

namespace player {

class MouseCapture {
public:
    // Takes the capture from whichever face held it.
    void capture(int32_t handle) { holder_ = handle; }
    // 0 when no face holds it.
    int32_t holder() const { return holder_; }
    // Ends the capture, whoever holds it.
    void release() { holder_ = 0; }

private:
    int32_t holder_ = 0;
};

} // namespace player
