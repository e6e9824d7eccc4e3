#include "lyricdata/SplitRecord.h"

#include <gtest/gtest.h>

using namespace player;

namespace {

struct RecordCase {
    const char* name;
    std::string record;
    int32_t ticksPer16th;
    int32_t timeBefore;
    int32_t time;
    std::string syllable;
};

// Test names show the row, not its bytes.
void PrintTo(const RecordCase& c, std::ostream* os) {
    *os << c.name;
}

class SplitRecordTable : public ::testing::TestWithParam<RecordCase> {};

TEST_P(SplitRecordTable, GivesTimeAndSyllable) {
    const auto& c = GetParam();
    PlayerState state;
    state.TicksPer16th = c.ticksPer16th;
    state.NextTime = c.timeBefore;
    state.NextSyllable = "stale";
    state.RawRecord = c.record;
    SplitRecord(state);
    EXPECT_EQ(state.NextTime, c.time);
    EXPECT_EQ(state.NextSyllable, c.syllable);
}

INSTANTIATE_TEST_SUITE_P(
    Records, SplitRecordTable,
    ::testing::Values(RecordCase{"LineStartSyllable", "000360|\\Hel", 120, 0, 3, "\\Hel"},
                      RecordCase{"NoText", "000480|", 120, 0, 4, ""},
                      RecordCase{"CutTowardZero", "000479|lo", 120, 0, 3, "lo"},
                      RecordCase{"OnlyBarFirstIsNotSplit", "|abc", 120, 9, 9, ""},
                      RecordCase{"NoBarKeepsTime", "000360abc", 120, 9, 9, ""},
                      RecordCase{"OneCharacter", "5", 120, 9, 0, ""},
                      RecordCase{"Empty", "", 120, 9, 0, ""},
                      RecordCase{"FirstBarSplits", "000120|a|b", 120, 0, 1, "a|b"},
                      RecordCase{"TicksPer16thOne", "000007|x", 1, 0, 7, "x"},
                      RecordCase{"HeadNotANumber", "abcdef|x", 120, 9, 0, "x"},
                      RecordCase{"DivisionLineHasNoBar", "480", 120, 0, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
