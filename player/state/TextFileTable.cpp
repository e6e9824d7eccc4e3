#include "TextFileTable.h"

#include "SafeFile.h"

#include <cstdlib>

namespace player {

int16_t TextFileTable::openForInput(const std::string& path) {
    int16_t number = 1;
    while (files_.count(number) != 0)
        ++number;
    // The lyric files and "Error1.msg" are working files: a link in the place of one is
    // refused, so nobody can make the player read another file through it.
    std::FILE* in = platform::openStreamForReading(path.c_str());
    if (!in)
        return 0;
    files_.emplace(number, File(in));
    return number;
}

std::optional<std::string> TextFileTable::readLine(int16_t number) {
    auto it = files_.find(number);
    if (it == files_.end() || atEnd(number))
        return std::nullopt;
    char* buffer = nullptr;
    size_t capacity = 0;
    const ssize_t length = getline(&buffer, &capacity, it->second.get());
    const std::unique_ptr<char, decltype(&std::free)> owned(buffer, std::free);
    if (length < 0)
        return std::nullopt;
    std::string line(buffer, static_cast<size_t>(length));
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool TextFileTable::atEnd(int16_t number) {
    auto it = files_.find(number);
    if (it == files_.end())
        return true;
    std::FILE* file = it->second.get();
    const int next = std::getc(file);
    if (next == EOF)
        return true;
    std::ungetc(next, file);
    return false;
}

bool TextFileTable::rewind(int16_t number) {
    auto it = files_.find(number);
    if (it == files_.end())
        return false;
    std::clearerr(it->second.get());
    return fseeko(it->second.get(), 0, SEEK_SET) == 0;
}

} // namespace player
