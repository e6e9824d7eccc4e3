#pragma once
// The player's open text files, addressed by small numbers as its shared state keeps
// them (DatFileNo, StrFileNo). Files are read as bytes, one line at a time; a line ends
// at LF, and a CR right before that LF belongs to the line end.
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace player {

class TextFileTable {
public:
    // Opens the file for reading under the lowest free number (from 1). Returns 0 when it
    // cannot be opened, is a symbolic link, or is not a regular file.
    int16_t openForInput(const std::string& path);

    // The next line without its line end; no value at the end of the file, for a number
    // that is not open, or when the read fails.
    std::optional<std::string> readLine(int16_t number);

    // True when the read position is at the end of the file, or the number is not open.
    bool atEnd(int16_t number);

    // Moves the read position back to the first byte. False for a number not open.
    bool rewind(int16_t number);

    bool isOpen(int16_t number) const { return files_.count(number) != 0; }
    void close(int16_t number) { files_.erase(number); }
    void closeAll() { files_.clear(); }

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    using File = std::unique_ptr<std::FILE, FileCloser>;
    std::map<int16_t, File> files_;
};

} // namespace player
