#pragma once
// Which moment of the song the listener hears now. The synthesiser renders ahead of the
// speakers by whatever the sound output still holds, so the song time the file player
// reports is early by that much; lyrics lit by it would run ahead of the music. The audio
// thread notes the song tick at the start of every rendered block and, at every pull by
// the output, how many frames the output still holds; readers on any thread map "now"
// back through that to the tick being heard.
//
// Frames count from the device's start and never wrap (64-bit).
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

namespace player {

class AudibleClock {
public:
    using Clock = std::chrono::steady_clock;
    // Block length the ticks are noted at: FluidSynth's own processing block, so a note
    // never falls between two entries.
    static constexpr int kBlockFrames = 64;

    explicit AudibleClock(int sampleRate);
    // Before any sound is rendered only.
    void setSampleRate(int sampleRate) { sampleRate_ = sampleRate; }

    // Audio thread: a block of kBlockFrames frames was rendered starting at song tick
    // `tick`, or with no song playing when there is no tick.
    void rendered(std::optional<int64_t> tick);

    // Audio thread, as the output asks for more sound at `now`: the frames rendered so far
    // will reach the listener after the `heldFrames` the output still holds.
    void pulled(Clock::time_point now, int heldFrames);

    // Frames rendered so far.
    int64_t renderedFrames() const;

    // The frame reaching the listener at `now`: the frames rendered at the last pull, less
    // what the output held then, plus the time since; never past the last frame rendered,
    // never below zero, never backwards.
    int64_t audibleFrame(Clock::time_point now) const;

    // The song tick at `frame`, interpolated within its block; none when no song was
    // playing there or the frame is older than the history kept.
    std::optional<int64_t> tickAt(int64_t frame) const;

private:
    struct Block {
        int64_t firstFrame = -1;
        std::optional<int64_t> tick;
    };
    static constexpr size_t kHistory = 8192; // blocks: about 12 s at 44.1 kHz

    int sampleRate_;
    mutable std::mutex lock_; // held only to copy a few numbers, never across work
    std::vector<Block> blocks_;
    int64_t frames_ = 0;
    int64_t pulledAtFrame_ = 0;
    int heldFrames_ = 0;
    Clock::time_point pulledAt_{};
    mutable int64_t lastAudible_ = 0;
};

} // namespace player
