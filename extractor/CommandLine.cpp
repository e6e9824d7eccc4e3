#include "CommandLine.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace textpull {

std::string CommandTail(int argc, const char* const* argv) {
    std::string tail;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            tail += ' ';
        tail += argv[i];
    }
    tail.erase(0, tail.find_first_not_of(" \t"));
    return tail;
}

std::string CopyCommandTail(std::string_view tail) {
    constexpr size_t kLongest = 499;
    return tail.size() <= kLongest ? std::string(tail) : std::string();
}

int SplitCmdLine(std::string& copy, std::array<const char*, 3>& words) {
    words = {};
    if (copy.empty() || copy[0] == ' ')
        return 0;
    words[0] = copy.c_str();
    int count = 1;
    for (size_t i = 0; i < copy.size(); ++i) {
        if (copy[i] != ' ')
            continue;
        copy[i] = '\0';
        if (++count > 3)
            break;
        words[count - 1] = copy.c_str() + i + 1;
    }
    return count + 1;
}

int32_t ReadHandle(const char* word) {
    const long value = std::strtol(word, nullptr, 10);
    return static_cast<int32_t>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

} // namespace textpull
