#include "TitleLines.h"

#include "LyricCharset.h"
#include "LyricText.h"

namespace player {

std::array<std::optional<std::string>, 3> readTitleLines(TextFileTable& files,
                                                         const std::string& path) {
    std::array<std::optional<std::string>, 3> captions;
    const int16_t tit = files.openForInput(path);
    if (tit == 0)
        return captions;
    if (!files.atEnd(tit))
        files.readLine(tit);
    std::string previous;
    for (auto& caption : captions) {
        auto line = files.readLine(tit);
        if (!line)
            break;
        ConvertStr(*line, 0);
        std::string title = trimSpaces(*line);
        if (title == previous)
            continue;
        caption = title;
        previous = std::move(title);
    }
    files.close(tit);
    return captions;
}

} // namespace player
