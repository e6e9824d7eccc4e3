#pragma once
// A working folder for one extraction, with the lyric files read back decoded.
#include "ErrorChannel.h"
#include "ExtractLyric.h"
#include "LyricCodec.h"
#include "MidiBuilder.h"
#include "TempDir.h"

#include <filesystem>
#include <string>

namespace textpull::test {

inline std::string Decode(const std::string& stored) {
    std::string plain = stored;
    for (char& c : plain)
        c = static_cast<char>(DecodeChar(static_cast<unsigned char>(c)));
    return plain;
}

inline std::string Encode(const std::string& plain) {
    std::string stored = plain;
    for (char& c : stored)
        c = static_cast<char>(EncodeChar(static_cast<unsigned char>(c)));
    return stored;
}

class LyricFolder {
public:
    const std::filesystem::path& path() const { return dir_.path(); }
    std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }

    void WriteSong(const testkit::Bytes& song) const {
        testkit::writeBytes(dir_ / "Input.sng", song);
    }
    // The file decoded, or "<none>" when it does not exist.
    std::string Decoded(const std::string& name) const {
        if (!std::filesystem::exists(dir_ / name))
            return "<none>";
        return Decode(testkit::readText(dir_ / name));
    }
    std::string Text(const std::string& name) const { return testkit::readText(dir_ / name); }

    // Runs the extraction with a fresh error channel and returns its result.
    RunResult Extract() const {
        ErrorChannel errors;
        if (!errors.Create(dir_ / "Error1.msg"))
            throw std::runtime_error("cannot create the error channel");
        return ExtractLyric(dir_.path(), errors);
    }

private:
    testkit::TempDir dir_;
};

} // namespace textpull::test
