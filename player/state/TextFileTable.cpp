#include "TextFileTable.h"

namespace player {

int16_t TextFileTable::openForInput(const std::string& path) {
    int16_t number = 1;
    while (files_.count(number) != 0)
        ++number;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return 0;
    files_.emplace(number, std::move(in));
    return number;
}

std::optional<std::string> TextFileTable::readLine(int16_t number) {
    auto it = files_.find(number);
    if (it == files_.end() || atEnd(number))
        return std::nullopt;
    std::string line;
    std::getline(it->second, line);
    if (it->second.bad())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool TextFileTable::atEnd(int16_t number) {
    auto it = files_.find(number);
    if (it == files_.end())
        return true;
    return it->second.peek() == std::char_traits<char>::eof();
}

bool TextFileTable::rewind(int16_t number) {
    auto it = files_.find(number);
    if (it == files_.end())
        return false;
    it->second.clear();
    it->second.seekg(0);
    return static_cast<bool>(it->second);
}

} // namespace player
