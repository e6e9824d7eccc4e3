#include "SongStream.h"

#include "SafeFile.h"

#include <algorithm>

namespace textpull {

namespace {
constexpr size_t kBufferSize = 64 * 1024;
}

bool SongStream::Open(const std::filesystem::path& file) {
    Close();
    file_.reset(platform::openStreamForReading(file.c_str()));
    if (!file_)
        return false;
    if (fseeko(file_.get(), 0, SEEK_END) == 0)
        size_ = std::max<int64_t>(ftello(file_.get()), 0);
    buffer_.resize(kBufferSize);
    return true;
}

void SongStream::Close() {
    file_.reset();
    bufferStart_ = bufferLength_ = position_ = size_ = 0;
}

void SongStream::Seek(int64_t position) {
    position_ = std::clamp<int64_t>(position, 0, size_);
}

bool SongStream::Refill() {
    bufferStart_ = position_;
    bufferLength_ = 0;
    if (fseeko(file_.get(), position_, SEEK_SET) == 0)
        bufferLength_ =
            static_cast<int64_t>(std::fread(buffer_.data(), 1, buffer_.size(), file_.get()));
    if (bufferLength_ > 0)
        return true;
    // The file holds less than its size said (it shrank, or it is no plain file): its end
    // is here, so the walk cannot run on through bytes that are not there.
    size_ = position_;
    return false;
}

} // namespace textpull
