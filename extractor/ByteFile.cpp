#include "ByteFile.h"

#include "SafeFile.h"

#include <algorithm>
#include <cstring>

namespace textpull {

namespace {
constexpr size_t kReadBlock = 64 * 1024;
constexpr size_t kWriteBlock = 64 * 1024;
} // namespace

bool ByteFile::OpenRead(const std::filesystem::path& file) {
    file_.reset(platform::openStreamForReading(file.c_str()));
    readBuffer_.clear();
    readAt_ = 0;
    return file_ != nullptr;
}

bool ByteFile::Create(const std::filesystem::path& file) {
    file_.reset(platform::createFreshStream(file.c_str()));
    if (!file_)
        return false;
    // Lyric files of a long song run to megabytes: fewer, larger writes.
    std::setvbuf(file_.get(), nullptr, _IOFBF, kWriteBlock);
    return true;
}

bool ByteFile::Close() {
    if (!file_)
        return true;
    const bool failed = std::ferror(file_.get()) != 0;
    return std::fclose(file_.release()) == 0 && !failed;
}

void ByteFile::PutStored(std::string_view stored) {
    fwrite_unlocked(stored.data(), 1, stored.size(), file_.get());
}

void ByteFile::PutEncoded(std::string_view plain) {
    for (char c : plain)
        PutEncoded(static_cast<unsigned char>(c));
}

bool ByteFile::ReadPiece(std::string& piece) {
    piece.clear();
    while (piece.size() < kPieceLength) {
        if (readAt_ == readBuffer_.size()) {
            readBuffer_.resize(kReadBlock);
            readBuffer_.resize(std::fread(readBuffer_.data(), 1, kReadBlock, file_.get()));
            readAt_ = 0;
            if (readBuffer_.empty())
                break;
        }
        const size_t room = std::min(kPieceLength - piece.size(), readBuffer_.size() - readAt_);
        const char* from = readBuffer_.data() + readAt_;
        const void* lineEnd = std::memchr(from, '\n', room);
        const size_t taken = lineEnd ? static_cast<const char*>(lineEnd) - from + 1 : room;
        piece.append(from, taken);
        readAt_ += taken;
        if (lineEnd)
            break;
    }
    return !piece.empty();
}

void ByteFile::CopyRestTo(ByteFile& to) {
    to.PutStored(std::string_view(readBuffer_).substr(readAt_));
    readBuffer_.resize(kReadBlock);
    while (const size_t got = std::fread(readBuffer_.data(), 1, kReadBlock, file_.get()))
        to.PutStored(std::string_view(readBuffer_.data(), got));
    readBuffer_.clear();
    readAt_ = 0;
}

} // namespace textpull
