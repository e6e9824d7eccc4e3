#pragma once
// One of the lyric files, opened as bytes (no line-end translation) either to be read in
// line pieces or to be written.
#include "LyricCodec.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace textpull {

class ByteFile {
public:
    // A line piece ends after an LF or after this many bytes, whichever comes first.
    static constexpr size_t kPieceLength = 239;

    // A symbolic link or anything but a regular file in the file's place is refused.
    bool OpenRead(const std::filesystem::path& file);
    // Creates the file afresh: whatever stood in its place is unlinked, never written through.
    bool Create(const std::filesystem::path& file);
    // False when a write to the file failed or its data could not be flushed.
    bool Close();

    // Bytes as they are, already in stored form.
    void PutStored(std::string_view stored);
    void PutEncoded(unsigned char plain) { putc_unlocked(EncodeChar(plain), file_.get()); }
    void PutEncoded(std::string_view plain);
    // The next line piece as stored; false at the end of the file.
    bool ReadPiece(std::string& piece);
    // Everything not read yet, as it is stored, onto the end of another file.
    void CopyRestTo(ByteFile& to);

private:
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::string readBuffer_;
    size_t readAt_ = 0;
};

} // namespace textpull
