#pragma once
// The extractor's window, never shown, with its thread's message queue. No display is
// needed: creation and destruction reach the window procedure directly, and the only
// message ever posted is the quit request that ends the loop.
#include <deque>
#include <functional>

namespace textpull {

class HiddenWindow {
public:
    enum class Message { Create, Destroy };
    using Procedure = std::function<void(HiddenWindow&, Message)>;

    // Creation runs the procedure with Create before the constructor returns.
    explicit HiddenWindow(Procedure procedure);
    ~HiddenWindow();
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;

    void PostQuitMessage(int exitCode);
    // Runs until the quit request is taken and returns its code; 1 at once when none was
    // posted, as nothing could ever post one.
    int RunMessageLoop();

private:
    Procedure procedure_;
    std::deque<int> quitRequests_;
};

} // namespace textpull
