#include "ExtractLyric.h"

#include "ByteFile.h"
#include "FirstPassWriter.h"
#include "SecondPass.h"
#include "SongReader.h"
#include "SongStream.h"

namespace textpull {

namespace {

bool CreateFile(ByteFile& file, const std::filesystem::path& folder, const char* name,
                ErrorChannel& errors) {
    if (file.Create(folder / name))
        return true;
    errors.ReportError("Cannot create %s.", name);
    return false;
}

bool CloseWritten(ByteFile& file, const char* name, ErrorChannel& errors) {
    if (file.Close())
        return true;
    errors.ReportError("Cannot write %s.", name);
    return false;
}

// A song of another format still gives the player its division in "Input.dat".
void KeepDivisionOnly(ByteFile& records, const std::filesystem::path& folder,
                      ErrorChannel& errors) {
    records.Close();
    ByteFile in;
    if (!in.OpenRead(folder / "Input0.dat")) {
        errors.ReportError("Cannot open %s.", "Input0.dat");
        return;
    }
    ByteFile out;
    if (!CreateFile(out, folder, "Input.dat", errors))
        return;
    CopyFirstLine(in, out);
}

RunResult FirstPass(const std::filesystem::path& folder, ErrorChannel& errors) {
    SongStream song;
    if (!song.Open(folder / "Input.sng")) {
        errors.ReportError("Cannot open %s.", "Input.sng");
        return RunResult::Failure;
    }
    ByteFile records, text;
    if (!CreateFile(records, folder, "Input0.dat", errors) ||
        !CreateFile(text, folder, "Input0.str", errors))
        return RunResult::Failure;

    FirstPassWriter writer(records, text, errors);
    SongReader reader(song, errors, writer);
    if (!reader.FindMThd()) {
        errors.ReportError("No MThd Found.");
        return RunResult::Failure;
    }
    const RunResult header = reader.GetMidiHeader();
    if (header == RunResult::Failure)
        KeepDivisionOnly(records, folder, errors);
    if (header != RunResult::Success)
        return header;
    const RunResult walk = reader.WalkTracks();
    if (walk != RunResult::Success)
        return walk;

    song.Close();
    if (!CloseWritten(records, "Input0.dat", errors) || !CloseWritten(text, "Input0.str", errors))
        return RunResult::Failure;
    return RunResult::Success;
}

} // namespace

RunResult ExtractLyric(const std::filesystem::path& folder, ErrorChannel& errors) {
    const RunResult first = FirstPass(folder, errors);
    if (first != RunResult::Success)
        return first;
    if (!WriteTitles(folder, errors) || !WriteTimedRecords(folder, errors) ||
        !WriteLyricLines(folder, errors))
        return RunResult::Failure;
    return RunResult::Success;
}

} // namespace textpull
