#include "SoundFontChoice.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace player {

std::vector<std::string> soundFontChoices(const std::string& songFolder) {
    std::vector<std::string> choices;
    QDir folder(QString::fromStdString(songFolder));
    const QStringList own = folder.entryList({"*.sf2", "*.sf3"}, QDir::Files | QDir::Readable,
                                             QDir::Name | QDir::IgnoreCase);
    if (!own.isEmpty())
        choices.push_back(folder.filePath(own.first()).toStdString());
    // FluidR3 GM first: full GM, lossless, no decoding at open, a song's presets far under 150 MB.
    static const std::array<const char*, 4> system{
        "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf3/default-GM.sf3"};
    for (const char* file : system)
        if (QFileInfo(file).isReadable())
            choices.emplace_back(file);
    return choices;
}

std::optional<std::string> chooseSoundFont(const std::string& songFolder) {
    auto choices = soundFontChoices(songFolder);
    if (choices.empty())
        return std::nullopt;
    return choices.front();
}

} // namespace player
