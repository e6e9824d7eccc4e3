#include "LyricReading.h"

#include "LyricCharset.h"

namespace player {
namespace {

bool beginsLyricLine(const std::string& line) {
    return !line.empty() && (line.front() == '/' || line.front() == '\\');
}

} // namespace

bool LyricDataAtEnd(PlayerState& state) {
    return state.HasLyric == False || state.OpenFiles.atEnd(state.DatFileNo);
}

bool ReadNextRecord(PlayerState& state) {
    state.RawRecord.clear();
    if (!state.OpenFiles.isOpen(state.DatFileNo))
        return false;
    while (state.RawRecord.empty() && !state.OpenFiles.atEnd(state.DatFileNo)) {
        auto line = state.OpenFiles.readLine(state.DatFileNo);
        if (!line)
            return false;
        ConvertStr(*line, 0);
        state.RawRecord = std::move(*line);
    }
    return true;
}

bool ReadNextLyricLine(PlayerState& state) {
    state.NextLine.clear();
    if (!state.OpenFiles.isOpen(state.StrFileNo))
        return false;
    while (!beginsLyricLine(state.NextLine) && !state.OpenFiles.atEnd(state.StrFileNo)) {
        auto line = state.OpenFiles.readLine(state.StrFileNo);
        if (!line)
            return false;
        ConvertStr(*line, 0);
        state.NextLine = std::move(*line);
    }
    return true;
}

} // namespace player
