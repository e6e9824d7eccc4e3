#include "SyllableTimer.h"

#include "device/DeviceMode.h"
#include "lyricdata/LyricReading.h"

#include <algorithm>

namespace player {
namespace {

// A syllable already due that AdvanceLyric left unlit waits for its line, which the very
// next call draws: come back at once, but not in a loop that starves the window.
constexpr int kDueAgainMs = 2;
// A tempo change between now and the syllable moves its moment; looking again at least this
// often keeps the aim true.
constexpr int kLongestAimMs = 100;

} // namespace

SyllableTimer::SyllableTimer(PlayerState& state, SequencerDevice& device, LyricAdvance& lyric)
    : state_(state), device_(device), lyric_(lyric) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
}

void SyllableTimer::aim() {
    if (state_.IsPlaying != True || state_.HasLyric == False || LyricDataAtEnd(state_) ||
        state_.NextSyllable.empty()) {
        timer_.stop();
        return;
    }
    const int32_t ms = device_.millisecondsUntil(state_.NextTick);
    if (ms < 0) {
        timer_.stop();
        return;
    }
    timer_.start(ms == 0 ? kDueAgainMs : std::min(ms, kLongestAimMs));
}

void SyllableTimer::fire() {
    if (state_.IsPlaying != True || device_.mode() != ModePlaying)
        return;
    lyric_.AdvanceLyric(device_.audibleTime());
    aim();
}

} // namespace player
