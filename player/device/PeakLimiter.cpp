#include "PeakLimiter.h"

#include <algorithm>
#include <cmath>

namespace player {

PeakLimiter::PeakLimiter(float ceiling, int releaseFrames)
    : ceiling_(ceiling), recovery_(1.0f - std::exp(-1.0f / static_cast<float>(releaseFrames))) {}

void PeakLimiter::process(float* left, float* right, int frames) {
    for (int i = 0; i < frames; ++i) {
        gain_ += (1.0f - gain_) * recovery_;
        const float peak = std::max(std::fabs(left[i]), std::fabs(right[i]));
        if (peak * gain_ > ceiling_)
            gain_ = ceiling_ / peak;
        left[i] *= gain_;
        right[i] *= gain_;
    }
}

} // namespace player
