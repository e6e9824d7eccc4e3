#include "AudibleClock.h"

#include <algorithm>

namespace player {

AudibleClock::AudibleClock(int sampleRate) : sampleRate_(sampleRate), blocks_(kHistory) {}

void AudibleClock::rendered(std::optional<int64_t> tick) {
    const std::lock_guard hold(lock_);
    blocks_[static_cast<size_t>(frames_ / kBlockFrames) % kHistory] = Block{frames_, tick};
    frames_ += kBlockFrames;
}

void AudibleClock::pulled(Clock::time_point now, int heldFrames) {
    const std::lock_guard hold(lock_);
    pulledAtFrame_ = frames_;
    heldFrames_ = heldFrames;
    pulledAt_ = now;
}

int64_t AudibleClock::renderedFrames() const {
    const std::lock_guard hold(lock_);
    return frames_;
}

int64_t AudibleClock::audibleFrame(Clock::time_point now) const {
    const std::lock_guard hold(lock_);
    const auto since = std::chrono::duration_cast<std::chrono::microseconds>(now - pulledAt_);
    const int64_t played = std::max<int64_t>(0, since.count()) * sampleRate_ / 1000000;
    const int64_t frame = std::clamp<int64_t>(pulledAtFrame_ - heldFrames_ + played, 0,
                                              std::max<int64_t>(0, frames_ - 1));
    // A late pull must not take back time already shown to the listener.
    lastAudible_ = std::max(lastAudible_, frame);
    return lastAudible_;
}

std::optional<int64_t> AudibleClock::tickAt(int64_t frame) const {
    const std::lock_guard hold(lock_);
    if (frame < 0 || frame >= frames_ || frames_ - frame > int64_t{kHistory} * kBlockFrames)
        return std::nullopt;
    const int64_t index = frame / kBlockFrames;
    const Block& block = blocks_[static_cast<size_t>(index) % kHistory];
    if (!block.tick)
        return std::nullopt;
    const int64_t nextFirst = (index + 1) * kBlockFrames;
    if (nextFirst >= frames_)
        return block.tick;
    const Block& next = blocks_[static_cast<size_t>(index + 1) % kHistory];
    // Across a jump (a new start position, the song's end) the block's own tick stands.
    if (!next.tick || *next.tick < *block.tick)
        return block.tick;
    const int64_t into = frame - block.firstFrame;
    return *block.tick + (*next.tick - *block.tick) * into / kBlockFrames;
}

} // namespace player
