#include "NotebendLibrary.h"

#include <dlfcn.h>
#include <utility>

namespace player {

NotebendLibrary::NotebendLibrary(std::string appFolder, std::string fileName)
    : appFolder_(std::move(appFolder)), fileName_(std::move(fileName)) {}

NotebendLibrary::~NotebendLibrary() {
    if (handle_ != nullptr)
        dlclose(handle_);
}

bool NotebendLibrary::bind() {
    if (transpose_ != nullptr)
        return true;
    if (handle_ == nullptr) {
        const std::string beside = appFolder_ + "/" + fileName_;
        handle_ = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr)
            handle_ = dlopen(fileName_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr)
            return false;
    }
    transpose_ = reinterpret_cast<TransposeFunction>(dlsym(handle_, "Transpose"));
    if (transpose_ == nullptr) {
        dlclose(handle_);
        handle_ = nullptr;
    }
    return transpose_ != nullptr;
}

std::optional<int> NotebendLibrary::Transpose(int steps, const char* path) {
    if (!bind())
        return std::nullopt;
    return transpose_(steps, path);
}

} // namespace player
