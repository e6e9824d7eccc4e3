#include "SessionFonts.h"

#include "SessionFontDir.h"

#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

namespace platform {

bool addSessionFonts() {
    auto dir = sessionFontDir();
    if (!dir)
        return false;
    std::string conf = sessionFontConf(*dir);
    struct stat st {};
    if (stat(conf.c_str(), &st) != 0)
        return false;
    FcConfig* config = FcConfigGetCurrent();
    if (!config ||
        !FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(conf.c_str()), FcTrue))
        return false;
    // The folders of the file join the configuration; rebuilding the font set scans them.
    return FcConfigBuildFonts(config) == FcTrue;
}

} // namespace platform
