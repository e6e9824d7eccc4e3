#pragma once
// Lyric files written as the extractor writes them (encoded, CR LF line ends) into a
// temporary folder, opened and rewound as the player does before a song plays.
#include "TempDir.h"
#include "lyricdata/LyricCharset.h"
#include "lyricdata/LyricReading.h"
#include "lyricdata/SplitRecord.h"
#include "state/PlayerState.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

struct LyricRecord {
    int32_t tick;
    std::string syllable;
};

class LyricFixture {
public:
    static constexpr int32_t kDivision = 4; // one tick per sixteenth note
    static constexpr int32_t kRowTop = 5400;

    LyricFixture(player::PlayerState& state, const std::vector<LyricRecord>& records,
                 const std::vector<std::string>& lines)
        : state_(state) {
        std::vector<std::string> dat{std::to_string(kDivision)};
        for (const auto& record : records) {
            char head[16];
            std::snprintf(head, sizeof head, "%06d|", record.tick);
            dat.push_back(head + record.syllable);
        }
        write("Input.dat", dat);
        write("Input.str", lines);
        state.HasLyric = player::True;
        state.DatFileNo = state.OpenFiles.openForInput((dir_ / "Input.dat").string());
        state.StrFileNo = state.OpenFiles.openForInput((dir_ / "Input.str").string());
        state.Division = kDivision;
        state.TicksPer16th = kDivision / 4;
        state.LyricRowTop = kRowTop;
        state.DisplayWidth = 9600;
        rewind();
    }

    // What the player does before each play from the start.
    void rewind() {
        state_.NextTime = 0;
        state_.LastRowUpper = player::True;
        state_.LineReady = player::False;
        state_.NeedNewLine = player::False;
        state_.OpenFiles.rewind(state_.DatFileNo);
        player::ReadNextRecord(state_);
        state_.LyricDataEnded = player::asFlag<player::Flag32>(player::LyricDataAtEnd(state_));
        player::SplitRecord(state_);
        state_.OpenFiles.rewind(state_.StrFileNo);
        player::ReadNextLyricLine(state_);
        state_.UpperRowY = state_.LyricRowTop;
        state_.LowerRowY = state_.LyricRowTop + 650;
    }

private:
    void write(const std::string& name, const std::vector<std::string>& lines) {
        std::string bytes;
        for (std::string line : lines) {
            player::ConvertStr(line, 1);
            bytes += line + "\r\n";
        }
        testkit::writeBytes(dir_ / name, {bytes.begin(), bytes.end()});
    }

    player::PlayerState& state_;
    testkit::TempDir dir_;
};
