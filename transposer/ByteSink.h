#pragma once
#include <cstddef>
#include <vector>

namespace notebend {

// Where a copy's bytes go, in order, a block at a time.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const unsigned char* bytes, size_t count) = 0;
};

// Keeps the bytes in memory, for callers that want the copy itself rather than a file.
class MemorySink : public ByteSink {
public:
    void write(const unsigned char* bytes, size_t count) override {
        bytes_.insert(bytes_.end(), bytes, bytes + count);
    }
    const std::vector<unsigned char>& bytes() const { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
};

} // namespace notebend
