#include "RuntimeDir.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string passwordHome(uid_t uid) {
    const passwd* entry = getpwuid(uid);
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

// No value when the folder is ours alone; otherwise why it is refused.
std::optional<std::string> claimPrivateFolder(const std::string& dir, uid_t uid) {
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        return dir + " cannot be created: " + std::strerror(errno);
    struct stat st {};
    if (lstat(dir.c_str(), &st) != 0)
        return dir + " cannot be read: " + std::strerror(errno);
    if (S_ISLNK(st.st_mode))
        return dir + " is a symbolic link";
    if (!S_ISDIR(st.st_mode))
        return dir + " is not a folder";
    if (st.st_uid != uid)
        return dir + " belongs to another user";
    if ((st.st_mode & 0777) != 0700) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 0777));
        return dir + " has mode " + mode + ", not 0700";
    }
    return std::nullopt;
}

std::string cacheFolder(const RuntimePlaces& places) {
    if (!places.cacheHome.empty())
        return places.cacheHome;
    if (!places.home.empty())
        return places.home + "/.cache";
    return "";
}

} // namespace

RuntimePlaces environmentRuntimePlaces() {
    RuntimePlaces places;
    places.uid = getuid();
    places.xdgRuntimeDir = environment("XDG_RUNTIME_DIR");
    // XDG base directories must be absolute; a relative one is ignored.
    places.cacheHome = environment("XDG_CACHE_HOME");
    if (!places.cacheHome.starts_with('/'))
        places.cacheHome.clear();
    places.home = environment("HOME");
    if (places.home.empty())
        places.home = passwordHome(places.uid);
    return places;
}

RuntimeDirChoice chooseRuntimeDir(const RuntimePlaces& places) {
    RuntimeDirChoice choice;
    auto tryFolder = [&](const std::string& dir) {
        if (auto refusal = claimPrivateFolder(dir, places.uid)) {
            choice.refusals += (choice.refusals.empty() ? "" : "; ") + *refusal;
            return false;
        }
        choice.dir = dir;
        return true;
    };

    if (!places.xdgRuntimeDir.empty()) {
        tryFolder(places.xdgRuntimeDir + "/melodeck");
        return choice;
    }
    if (tryFolder(places.tmp + "/melodeck-" + std::to_string(places.uid)))
        return choice;
    const std::string cache = cacheFolder(places);
    if (cache.empty()) {
        choice.refusals += "; no home folder for a cache";
        return choice;
    }
    // The parents are the user's own; only the folder that is used must be private.
    (void)mkdir(cache.c_str(), 0700);
    (void)mkdir((cache + "/melodeck").c_str(), 0700);
    tryFolder(cache + "/melodeck/runtime");
    return choice;
}

std::optional<std::string> runtimeDir() {
    return chooseRuntimeDir(environmentRuntimePlaces()).dir;
}

std::string noRuntimeDirText(const RuntimeDirChoice& choice) {
    return "No private folder for melodeck's session files: " + choice.refusals + ".";
}

std::optional<std::string> runtimeDirProblem() {
    const RuntimeDirChoice choice = chooseRuntimeDir(environmentRuntimePlaces());
    if (choice.dir)
        return std::nullopt;
    return noRuntimeDirText(choice);
}

} // namespace platform
