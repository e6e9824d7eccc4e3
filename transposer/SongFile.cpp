#include "SongFile.h"

#include "SafeFile.h"

#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace notebend {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool readAll(int fd, std::vector<unsigned char>& into) {
    constexpr size_t block = 64 * 1024;
    for (;;) {
        const size_t had = into.size();
        into.resize(had + block);
        const ssize_t got = read(fd, into.data() + had, block);
        if (got < 0 && errno == EINTR) {
            into.resize(had);
            continue;
        }
        into.resize(had + static_cast<size_t>(got < 0 ? 0 : got));
        if (got <= 0)
            return got == 0;
    }
}

} // namespace

std::optional<SongFile> SongFile::open(const char* path) {
    const auto links = std::strchr(path, '/') ? platform::Links::Follow : platform::Links::Refuse;
    const Descriptor fd(platform::openForReading(path, links));
    struct stat info {};
    if (fd.get() < 0 || fstat(fd.get(), &info) != 0)
        return std::nullopt;
    SongFile song;
    if (info.st_size > 0) {
        const auto length = static_cast<size_t>(info.st_size);
        void* map = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd.get(), 0);
        if (map != MAP_FAILED) {
            song.mapped_ = map;
            song.mappedLength_ = length;
            return song;
        }
    }
    if (!readAll(fd.get(), song.read_))
        return std::nullopt;
    return song;
}

SongFile::SongFile(SongFile&& other) noexcept
    : mapped_(other.mapped_), mappedLength_(other.mappedLength_), read_(std::move(other.read_)) {
    other.mapped_ = nullptr;
    other.mappedLength_ = 0;
}

SongFile::~SongFile() {
    if (mapped_)
        munmap(mapped_, mappedLength_);
}

std::span<const unsigned char> SongFile::bytes() const {
    if (mapped_)
        return {static_cast<const unsigned char*>(mapped_), mappedLength_};
    return read_;
}

} // namespace notebend
