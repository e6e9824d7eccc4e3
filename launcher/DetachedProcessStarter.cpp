#include "DetachedProcessStarter.h"

#include "Spawn.h"

bool DetachedProcessStarter::start(const std::string& program, const std::string& firstFolder) {
    return platform::startDetached(program, {}, firstFolder);
}
