#include "FakeDevice.h"

#include "DeviceMode.h"

#include <algorithm>

namespace player {

void FakeDevice::advanceTo(int32_t sixteenths) {
    if (!open_)
        return;
    position_ = std::clamp(sixteenths, 0, songLength_);
    if (sixteenths >= songLength_ && mode_ == ModePlaying)
        mode_ = ModeStopped;
}

void FakeDevice::tick() {
    if (tickInterval_ != 0 && tick_)
        tick_();
}

std::optional<std::string> FakeDevice::open(const std::string& file) {
    close();
    log_.push_back("open " + file);
    if (openFailure_) {
        auto reason = std::move(*openFailure_);
        openFailure_.reset();
        return reason;
    }
    open_ = true;
    mode_ = ModeStopped;
    position_ = 0;
    startPosition_ = 0;
    error_ = 0;
    return std::nullopt;
}

void FakeDevice::close() {
    log_.push_back("close");
    open_ = false;
    mode_ = ModeNotOpen;
    position_ = 0;
}

void FakeDevice::play() {
    log_.push_back("play from " + std::to_string(startPosition_));
    if (!open_)
        return;
    position_ = startPosition_;
    mode_ = ModePlaying;
}

void FakeDevice::pause() {
    log_.push_back("pause");
    if (mode_ == ModePlaying)
        mode_ = ModePaused;
}

void FakeDevice::stop() {
    log_.push_back("stop");
    if (open_)
        mode_ = ModeStopped;
}

void FakeDevice::setStartPosition(int32_t sixteenths) {
    startPosition_ = std::clamp(sixteenths, 0, length());
}

int FakeDevice::openOutput() {
    log_.push_back("open output");
    return outputFailure_;
}

void FakeDevice::shortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    if ((status & 0xF0) == 0xB0)
        log_.push_back("cc " + std::to_string(status & 0x0F) + " " + std::to_string(data1) + " " +
                       std::to_string(data2));
    else
        log_.push_back("msg " + std::to_string(status) + " " + std::to_string(data1) + " " +
                       std::to_string(data2));
}

// The fake song moves only when a test says so: a syllable ahead is never "due" by the clock.
int32_t FakeDevice::millisecondsUntil(int64_t tick) const {
    if (mode_ != ModePlaying)
        return -1;
    return tick <= audibleTime().tick ? 0 : -1;
}

} // namespace player
