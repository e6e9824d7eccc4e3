#pragma once
// Keeps the mix under full scale. Loud songs played with every channel at full volume can
// sum past it, and a clipped sample is a crack the singer hears; a limiter that acts only
// on those peaks leaves the loudness of the song as it was.
namespace player {

class PeakLimiter {
public:
    // ceiling: the largest magnitude let through, as a fraction of full scale.
    // releaseFrames: frames for the gain to come most of the way back after a peak.
    PeakLimiter(float ceiling, int releaseFrames);

    // Scales the stereo frames in place; afterwards no sample exceeds the ceiling. The
    // gain drops at once on a peak (no look-ahead, so no added latency) and recovers
    // smoothly, so the song's level between peaks is untouched.
    void process(float* left, float* right, int frames);

    float gain() const { return gain_; }

private:
    float ceiling_;
    float recovery_; // part of the distance to unity gain won back each frame
    float gain_ = 1.0f;
};

} // namespace player
