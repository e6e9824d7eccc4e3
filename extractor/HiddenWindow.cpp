#include "HiddenWindow.h"

#include <utility>

namespace textpull {

HiddenWindow::HiddenWindow(Procedure procedure) : procedure_(std::move(procedure)) {
    procedure_(*this, Message::Create);
}

HiddenWindow::~HiddenWindow() {
    procedure_(*this, Message::Destroy);
}

void HiddenWindow::PostQuitMessage(int exitCode) {
    quitRequests_.push_back(exitCode);
}

int HiddenWindow::RunMessageLoop() {
    if (quitRequests_.empty())
        return 1; // no work ran, so no answer will come: the player's time-out applies
    const int exitCode = quitRequests_.front();
    quitRequests_.pop_front();
    return exitCode;
}

} // namespace textpull
