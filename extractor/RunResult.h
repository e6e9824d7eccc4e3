#pragma once

namespace textpull {

// How a step of the run ended. Abort is the reader's immediate end (AbortRun): its message
// is written and nothing more of the run may happen.
enum class RunResult { Success, Failure, Abort };

} // namespace textpull
