#pragma once
// The extraction run: "Input.sng" of the folder becomes the first-pass files "Input0.dat"
// and "Input0.str", and from them "Input.tit", "Input.dat" and "Input.str". Every failure
// has written its one message to the error channel; files the run did not reach keep what
// an earlier run left in them.
#include "ErrorChannel.h"
#include "RunResult.h"

#include <filesystem>

namespace textpull {

RunResult ExtractLyric(const std::filesystem::path& folder, ErrorChannel& errors);

} // namespace textpull
