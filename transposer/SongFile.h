#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace notebend {

// The bytes of a song file, held for as long as the object lives: mapped into memory where
// the file allows it (no copy of a large song), read whole otherwise.
class SongFile {
public:
    // No value when the file cannot be opened or read, or is no regular file. A bare name is
    // a file of the working folder, where anyone who can write there may have planted a
    // link: a symbolic link by that name is refused. A path with a folder in it is the
    // caller's own choice, and links on it are followed.
    static std::optional<SongFile> open(const char* path);

    SongFile(SongFile&& other) noexcept;
    SongFile& operator=(SongFile&&) = delete;
    SongFile(const SongFile&) = delete;
    ~SongFile();

    std::span<const unsigned char> bytes() const;

private:
    SongFile() = default;

    void* mapped_ = nullptr;
    size_t mappedLength_ = 0;
    std::vector<unsigned char> read_;
};

} // namespace notebend
