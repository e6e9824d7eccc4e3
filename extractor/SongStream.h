#pragma once
// The song read one byte at a time through a buffer, with a position that can be saved and
// set back. A byte read at or past the end reads as 255 and the position stays at the end.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace textpull {

class SongStream {
public:
    // Opens the file and finds its size; false when it cannot be opened for reading or is
    // no regular file of that name (a symbolic link in its place is not followed).
    bool Open(const std::filesystem::path& file);
    void Close();

    int64_t Size() const { return size_; }
    int64_t Position() const { return position_; }
    // Positions beyond the end are taken as the end.
    void Seek(int64_t position);
    void Skip(uint32_t count) { Seek(position_ + count); }

    unsigned char ReadByte() {
        if (position_ >= size_)
            return 255;
        if (position_ < bufferStart_ || position_ >= bufferStart_ + bufferLength_)
            if (!Refill())
                return 255;
        return buffer_[static_cast<size_t>(position_++ - bufferStart_)];
    }

private:
    bool Refill();

    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::vector<unsigned char> buffer_;
    int64_t bufferStart_ = 0;
    int64_t bufferLength_ = 0;
    int64_t position_ = 0;
    int64_t size_ = 0;
};

} // namespace textpull
