#include "TextpullStart.h"

#include "Spawn.h"

#include <string>

namespace player {

bool startTextpull(const QString& programFolder, int32_t receiver) {
    return platform::startDetached(kTextpullProgram, {std::to_string(receiver)},
                                   programFolder.toStdString());
}

} // namespace player
