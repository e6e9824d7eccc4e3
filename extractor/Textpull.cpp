#include "Textpull.h"

#include "CommandLine.h"
#include "ErrorChannel.h"
#include "ExtractLyric.h"
#include "HiddenWindow.h"
#include "MessagePort.h"
#include "SafeFile.h"

#include <cstdint>
#include <cstdio>
#include <unistd.h>

namespace textpull {

namespace {

constexpr int32_t kCompletionKey = 58;

class TextpullProgram {
public:
    explicit TextpullProgram(std::string_view commandTail) : copy_(CopyCommandTail(commandTail)) {}

    int Run() {
        HiddenWindow window([this](HiddenWindow& w, HiddenWindow::Message message) {
            WindowProcedure(w, message);
        });
        return window.RunMessageLoop();
    }

private:
    void WindowProcedure(HiddenWindow& window, HiddenWindow::Message message) {
        switch (message) {
        case HiddenWindow::Message::Create:
            if (onceFlag_)
                return;
            onceFlag_ = true;
            Finish(window, Work());
            return;
        case HiddenWindow::Message::Destroy:
            window.PostQuitMessage(0);
            return;
        }
    }

    RunResult Work() {
        if (!errors_.Create("Error1.msg")) {
            std::printf("\nCan not create %s.", "Error1.msg");
            return RunResult::Failure;
        }
        std::array<const char*, 3> words;
        if (SplitCmdLine(copy_, words) != 2) {
            errors_.ReportError("Invalid parameters.");
            CloseAll();
            return RunResult::Failure;
        }
        TargetWnd = ReadHandle(words[0]);
        if (TargetWnd == 0) {
            CloseAll();
            return RunResult::Failure;
        }
        return ExtractLyric("", errors_);
    }

    void Finish(HiddenWindow& window, RunResult result) {
        switch (result) {
        case RunResult::Success:
            PostCompletion(0);
            window.PostQuitMessage(0);
            return;
        case RunResult::Failure:
            CreateFailureMarker();
            CloseAll();
            PostCompletion(platform::kKeyContextBit);
            window.PostQuitMessage(1);
            return;
        case RunResult::Abort:
            AbortRun(window, 1);
            return;
        }
    }

    // The reader's immediate end: by now nothing more of the work runs, and no failure
    // marker is made.
    void AbortRun(HiddenWindow& window, int exitCode) {
        CloseAll();
        PostCompletion(platform::kKeyContextBit);
        window.PostQuitMessage(exitCode);
    }

    // The lyric files were closed by the run; the error channel is the last file open.
    // It must be complete on disk before the player hears of the result.
    void CloseAll() { errors_.Close(); }

    void PostCompletion(int32_t context) const {
        if (TargetWnd != 0)
            platform::postMessage(TargetWnd, {platform::kWmKeyUp, kCompletionKey, context});
    }

    static void CreateFailureMarker() {
        if (const int marker = platform::createFresh("sty.err"); marker >= 0)
            close(marker);
    }

    std::string copy_;
    int32_t TargetWnd = 0;
    bool onceFlag_ = false;
    ErrorChannel errors_;
};

} // namespace

int RunTextpull(std::string_view commandTail) {
    return TextpullProgram(commandTail).Run();
}

} // namespace textpull
