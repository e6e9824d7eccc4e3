#include "SoundFontChoice.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace player {

std::optional<std::string> chooseSoundFont(const std::string& appFolder) {
    QDir folder(QString::fromStdString(appFolder));
    const QStringList own = folder.entryList({"*.sf2", "*.sf3"}, QDir::Files | QDir::Readable,
                                             QDir::Name | QDir::IgnoreCase);
    if (!own.isEmpty())
        return folder.filePath(own.first()).toStdString();
    // FluidR3 GM first: full GM, lossless, no decoding at open, a song's presets far under 150 MB.
    static const std::array<const char*, 4> system{
        "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf3/default-GM.sf3"};
    for (const char* file : system)
        if (QFileInfo(file).isReadable())
            return std::string(file);
    return std::nullopt;
}

} // namespace player
