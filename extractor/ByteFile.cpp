#include "ByteFile.h"

#include "LyricCodec.h"

namespace textpull {

bool ByteFile::OpenRead(const std::filesystem::path& file) {
    file_.reset(std::fopen(file.c_str(), "rb"));
    return file_ != nullptr;
}

bool ByteFile::Create(const std::filesystem::path& file) {
    file_.reset(std::fopen(file.c_str(), "wb"));
    return file_ != nullptr;
}

bool ByteFile::Close() {
    if (!file_)
        return true;
    const bool failed = std::ferror(file_.get()) != 0;
    return std::fclose(file_.release()) == 0 && !failed;
}

void ByteFile::PutEncoded(unsigned char plain) {
    Put(EncodeChar(plain));
}

void ByteFile::PutEncoded(std::string_view plain) {
    for (char c : plain)
        PutEncoded(static_cast<unsigned char>(c));
}

bool ByteFile::ReadPiece(std::string& piece) {
    piece.clear();
    while (piece.size() < kPieceLength) {
        const int c = getc_unlocked(file_.get());
        if (c == EOF)
            break;
        piece.push_back(static_cast<char>(c));
        if (c == '\n')
            break;
    }
    return !piece.empty();
}

} // namespace textpull
