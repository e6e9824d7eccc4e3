#include "SessionFontInstall.h"

#include "FontFaceCount.h"
#include "SessionFontDir.h"

#include <filesystem>
#include <fontconfig/fontconfig.h>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {
namespace {

std::string xmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Written aside and renamed over, so a reader never meets half an entry.
bool replaceAtomically(const fs::path& target, const auto& writeTemp) {
    fs::path temp = target.parent_path() /
                    ("." + target.filename().string() + "." + std::to_string(getpid()) + ".tmp");
    std::error_code error;
    fs::remove(temp, error);
    if (!writeTemp(temp))
        return false;
    fs::rename(temp, target, error);
    if (error) {
        fs::remove(temp, error);
        return false;
    }
    return true;
}

bool writeFontsConf(const std::string& dir) {
    return replaceAtomically(sessionFontConf(dir), [&](const fs::path& temp) {
        std::ofstream out(temp, std::ios::trunc);
        out << "<?xml version=\"1.0\"?>\n"
               "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
               "<!-- Fonts melodeck's launcher installed for this login session. -->\n"
               "<fontconfig>\n"
               "  <dir>"
            << xmlEscaped(dir) << "</dir>\n</fontconfig>\n";
        out.close();
        return static_cast<bool>(out);
    });
}

bool linkInto(const std::string& dir, const std::string& file) {
    std::error_code error;
    fs::path target = fs::absolute(file, error);
    if (error || target.filename().empty())
        return false;
    return replaceAtomically(fs::path(dir) / target.filename(), [&](const fs::path& temp) {
        std::error_code linkError;
        fs::create_symlink(target, temp, linkError);
        return !linkError;
    });
}

} // namespace

int installSessionFont(const std::string& file) {
    int faces = fontFaceCount(file);
    if (faces == 0)
        return 0;
    auto dir = sessionFontDir();
    if (!dir || !linkInto(*dir, file) || !writeFontsConf(*dir))
        return 0;
    return faces;
}

void rescanSessionFonts() {
    auto dir = sessionFontDir();
    if (!dir)
        return;
    // A failed rescan costs nothing but time: fontconfig rescans a stale folder itself.
    if (FcCache* cache =
            FcDirCacheRescan(reinterpret_cast<const FcChar8*>(dir->c_str()), FcConfigGetCurrent()))
        FcDirCacheUnload(cache);
}

} // namespace platform
