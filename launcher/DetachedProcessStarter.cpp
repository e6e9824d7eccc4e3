#include "DetachedProcessStarter.h"

#include "Spawn.h"

bool DetachedProcessStarter::start(const std::string& program,
                                   const std::vector<std::string>& arguments,
                                   const std::string& firstFolder) {
    return platform::startDetached(program, arguments, firstFolder);
}
