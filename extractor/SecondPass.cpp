#include "SecondPass.h"

#include "LyricCodec.h"

#include <array>
#include <string>

namespace textpull {

namespace {

char Plain(char stored) {
    return static_cast<char>(DecodeChar(static_cast<unsigned char>(stored)));
}

std::string Decoded(std::string piece) {
    for (char& c : piece)
        c = Plain(c);
    return piece;
}

bool IsLineStart(char c) {
    return c == '/' || c == '\\';
}

// Skips the pieces before the first one that starts a lyric line; from there on every
// piece is written as it was read, so the rest is copied whole.
template <typename StartsLine>
void CopyFromFirstLineStart(ByteFile& in, ByteFile& out, StartsLine startsLine) {
    std::string piece;
    while (in.ReadPiece(piece)) {
        if (startsLine(piece)) {
            out.PutStored(piece);
            in.CopyRestTo(out);
            return;
        }
    }
}

// Opens a first-pass file and creates the file derived from it.
bool OpenPair(const std::filesystem::path& folder, const char* inName, const char* outName,
              ErrorChannel& errors, ByteFile& in, ByteFile& out) {
    if (!in.OpenRead(folder / inName)) {
        errors.ReportError("Cannot open %s.", inName);
        return false;
    }
    if (!out.Create(folder / outName)) {
        errors.ReportError("Cannot create %s.", outName);
        return false;
    }
    return true;
}

// A file the player reads must not pass for complete when its bytes did not reach the disk.
bool ClosePair(const char* outName, ErrorChannel& errors, ByteFile& in, ByteFile& out) {
    in.Close();
    if (out.Close())
        return true;
    errors.ReportError("Cannot write %s.", outName);
    return false;
}

// Holds 256 bytes and writes at most 250: past that each byte lands in the spare slot.
class TitleBuffer {
public:
    void Add(char c) {
        bytes_[count_] = c;
        if (count_ < kWritten)
            ++count_;
    }
    void WriteEncoded(ByteFile& to) const {
        to.PutEncoded(std::string_view(bytes_.data(), count_));
    }

private:
    static constexpr size_t kWritten = 250;
    std::array<char, 256> bytes_{};
    size_t count_ = 0;
};

} // namespace

std::optional<char> GetTag(char prev, char cur) {
    if (prev != '@')
        return std::nullopt;
    switch (cur) {
    case 'I':
    case 'K':
    case 'L':
    case 'T':
    case 'V':
    case 'W':
        return cur;
    default:
        return std::nullopt;
    }
}

void CopyFirstLine(ByteFile& from, ByteFile& to) {
    std::string piece;
    if (from.ReadPiece(piece))
        to.PutStored(piece);
}

bool WriteTitles(const std::filesystem::path& folder, ErrorChannel& errors) {
    ByteFile in, out;
    if (!OpenPair(folder, "Input0.str", "Input.tit", errors, in, out))
        return false;
    std::string piece;
    in.ReadPiece(piece);
    const std::string line = Decoded(piece);

    char prev = '.';
    char cur = '.';
    bool InTitle = false;
    bool AnyTitle = false;
    TitleBuffer buffer;
    // The position after the last character stands for the line's terminating zero, so
    // the last character of the line is still taken into a title.
    for (size_t i = 0; i <= line.size(); ++i) {
        prev = cur;
        cur = i < line.size() ? line[i] : '\0';
        if (const auto tag = GetTag(prev, cur)) {
            if (*tag == 'T') {
                InTitle = AnyTitle = true;
                buffer.Add('\r');
                buffer.Add('\n');
            } else {
                InTitle = false;
            }
            cur = ' ';
        } else if (InTitle) {
            buffer.Add(prev == '|' ? '.' : prev);
        }
    }
    if (AnyTitle) {
        buffer.Add('\r');
        buffer.Add('\n');
        buffer.WriteEncoded(out);
    }
    return ClosePair("Input.tit", errors, in, out);
}

bool WriteTimedRecords(const std::filesystem::path& folder, ErrorChannel& errors) {
    ByteFile in, out;
    if (!OpenPair(folder, "Input0.dat", "Input.dat", errors, in, out))
        return false;
    CopyFirstLine(in, out);
    // The 8th character is the first text byte of a record: "tttttt|" comes before it.
    constexpr size_t kTextAt = 7;
    CopyFromFirstLineStart(in, out, [](const std::string& piece) {
        return piece.size() > kTextAt && IsLineStart(Plain(piece[kTextAt]));
    });
    return ClosePair("Input.dat", errors, in, out);
}

bool WriteLyricLines(const std::filesystem::path& folder, ErrorChannel& errors) {
    ByteFile in, out;
    if (!OpenPair(folder, "Input0.str", "Input.str", errors, in, out))
        return false;
    CopyFromFirstLineStart(in, out,
                           [](const std::string& piece) { return IsLineStart(Plain(piece[0])); });
    return ClosePair("Input.str", errors, in, out);
}

} // namespace textpull
