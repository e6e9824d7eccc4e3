#pragma once
// What painting the panel needs from the screen: the background and one of a face's state
// images, each drawn stretched into a persistent image that keeps showing until the next
// paint.
#include <cstdint>

namespace player {

enum class FaceImage {
    Normal,
    Pressed,
    // Also the lit look of Play, Stop and Pause.
    Hover,
};

class FacePainter {
public:
    virtual ~FacePainter() = default;
    virtual void paintBackground() = 0;
    virtual void paintFace(int face, FaceImage image) = 0;
    // The visible face's handle: not 0, and different for every face.
    virtual int32_t faceHandle(int face) const = 0;
};

} // namespace player
