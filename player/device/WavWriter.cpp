#include "WavWriter.h"

#include <limits>

namespace player {
namespace {

void putLe(std::ofstream& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

constexpr int kChannels = 2;
constexpr int kBytesPerFrame = kChannels * 2;

} // namespace

WavWriter::WavWriter(const std::string& path, int sampleRate)
    : out_(path, std::ios::binary | std::ios::trunc), sampleRate_(sampleRate) {
    out_.write("RIFF", 4);
    putLe(out_, 36, 4);
    out_.write("WAVEfmt ", 8);
    putLe(out_, 16, 4);
    putLe(out_, 1, 2); // PCM
    putLe(out_, kChannels, 2);
    putLe(out_, static_cast<uint32_t>(sampleRate_), 4);
    putLe(out_, static_cast<uint32_t>(sampleRate_ * kBytesPerFrame), 4);
    putLe(out_, kBytesPerFrame, 2);
    putLe(out_, 16, 2);
    out_.write("data", 4);
    putLe(out_, 0, 4);
}

WavWriter::~WavWriter() {
    if (out_)
        updateSizes();
}

void WavWriter::write(const int16_t* interleaved, int frames) {
    if (!out_ || frames <= 0)
        return;
    const uint32_t bytes = static_cast<uint32_t>(frames) * kBytesPerFrame;
    // A RIFF file cannot grow past 4 GiB; the sound beyond that is dropped.
    if (dataBytes_ > std::numeric_limits<uint32_t>::max() - 36 - bytes)
        return;
    for (int i = 0; i < frames * kChannels; ++i)
        putLe(out_, static_cast<uint16_t>(interleaved[i]), 2);
    dataBytes_ += bytes;
    bytesSinceUpdate_ += bytes;
    if (bytesSinceUpdate_ >= static_cast<uint32_t>(sampleRate_ * kBytesPerFrame))
        updateSizes();
}

void WavWriter::updateSizes() {
    bytesSinceUpdate_ = 0;
    const auto end = out_.tellp();
    out_.seekp(4);
    putLe(out_, 36 + dataBytes_, 4);
    out_.seekp(40);
    putLe(out_, dataBytes_, 4);
    out_.seekp(end);
    out_.flush();
}

} // namespace player
