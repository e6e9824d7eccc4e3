#include "SplitRecord.h"

#include "LyricText.h"

namespace player {

void SplitRecord(PlayerState& state) {
    const std::string& record = state.RawRecord;
    if (record.size() <= 1) {
        state.NextTime = 0;
        state.NextTick = 0;
        state.NextSyllable.clear();
        return;
    }
    state.NextSyllable.clear();
    const auto bar = record.find('|', 1);
    if (bar == std::string::npos)
        return;
    state.NextTick = leadingNumber(std::string_view(record).substr(0, bar));
    // Division below 4 ends the program before any record is read, so TicksPer16th is at
    // least 1 here; the test keeps a stray caller from dividing by zero.
    if (state.TicksPer16th > 0)
        state.NextTime = static_cast<int32_t>(state.NextTick / state.TicksPer16th);
    state.NextSyllable = record.substr(bar + 1);
}

} // namespace player
