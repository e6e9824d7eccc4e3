#include "Spawn.h"

#include <cerrno>
#include <cstdlib>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace platform {
namespace {

bool isExecutableFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::optional<pid_t> spawn(const std::string& name, const std::vector<std::string>& args,
                           const std::string& firstFolder) {
    auto file = findProgram(name, firstFolder);
    if (!file)
        return std::nullopt;
    std::vector<std::string> argvStore{name};
    argvStore.insert(argvStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argvStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, file->c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return std::nullopt;
    return pid;
}

int waitForExit(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

std::optional<std::string> findProgram(const std::string& name, const std::string& firstFolder) {
    if (name.empty())
        return std::nullopt;
    if (name.find('/') != std::string::npos)
        return isExecutableFile(name) ? std::optional(name) : std::nullopt;
    if (!firstFolder.empty() && isExecutableFile(firstFolder + "/" + name))
        return firstFolder + "/" + name;
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + name;
        if (isExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

bool startDetached(const std::string& name, const std::vector<std::string>& args,
                   const std::string& firstFolder) {
    auto pid = spawn(name, args, firstFolder);
    if (!pid)
        return false;
    std::thread([p = *pid] { waitForExit(p); }).detach();
    return true;
}

int runAndWait(const std::string& name, const std::vector<std::string>& args,
               const std::string& firstFolder) {
    auto pid = spawn(name, args, firstFolder);
    return pid ? waitForExit(*pid) : -1;
}

} // namespace platform
