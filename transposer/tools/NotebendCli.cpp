// notebend-cli STEPS PATH: transposes the song at PATH into "Input.bin" of the current
// folder through libnotebend.so, as the player does. Exit code 0 on success, 1 when the
// library reports a failure (its message is echoed to standard error), 2 on bad usage.
#include "notebend.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: notebend-cli STEPS PATH\n";
        return 2;
    }
    char* end = nullptr;
    errno = 0;
    const long steps = std::strtol(argv[1], &end, 10);
    if (errno != 0 || end == argv[1] || *end != '\0' || steps < -2147483647L - 1 ||
        steps > 2147483647L) {
        std::cerr << "notebend-cli: STEPS must be a whole number, not \"" << argv[1] << "\"\n";
        return 2;
    }
    if (Transpose(static_cast<int>(steps), argv[2]) == 0)
        return 0;
    std::ifstream errors("Error2.msg", std::ios::binary);
    const std::string message{std::istreambuf_iterator<char>(errors),
                              std::istreambuf_iterator<char>()};
    std::cerr << "notebend-cli: transposition failed: " << message << '\n';
    return 1;
}
