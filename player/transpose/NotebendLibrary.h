#pragma once
// The transposer library, loaded by name on the first call: from the application folder
// first, then through the system's usual library search. Its Transpose is bound by its C
// name. A load or bind that fails is tried again on the next call.
#include <optional>
#include <string>

namespace player {

class NotebendLibrary {
public:
    explicit NotebendLibrary(std::string appFolder, std::string fileName = "libnotebend.so");
    ~NotebendLibrary();
    NotebendLibrary(const NotebendLibrary&) = delete;
    NotebendLibrary& operator=(const NotebendLibrary&) = delete;

    // The library's result: 0, or -1 when it rejected the song. No value when the call
    // cannot be made (the library or its Transpose is missing).
    std::optional<int> Transpose(int steps, const char* path);

private:
    using TransposeFunction = int (*)(int, const char*);
    bool bind();

    std::string appFolder_;
    std::string fileName_;
    void* handle_ = nullptr;
    TransposeFunction transpose_ = nullptr;
};

} // namespace player
