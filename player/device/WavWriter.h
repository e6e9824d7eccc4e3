#pragma once
// A 16-bit stereo PCM WAV file written as the sound is made. The sizes in the header are
// brought up to date every second of sound and at close, so a file of a process that was
// killed still plays up to its last second.
#include <cstdint>
#include <fstream>
#include <string>

namespace player {

class WavWriter {
public:
    WavWriter(const std::string& path, int sampleRate);
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool ok() const { return static_cast<bool>(out_); }
    // frames x 2 interleaved samples, left first.
    void write(const int16_t* interleaved, int frames);

private:
    void updateSizes();

    std::ofstream out_;
    int sampleRate_;
    uint32_t dataBytes_ = 0;
    uint32_t bytesSinceUpdate_ = 0;
};

} // namespace player
