#include "RandomPick.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>

namespace player {

UniformDraw clockSeededDraw() {
    auto engine = std::make_shared<std::mt19937>(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

int pickOther(int count, int current, const UniformDraw& draw) {
    if (count < 2)
        return current;
    int picked = current;
    while (picked == current)
        picked = std::min(count - 1, static_cast<int>(draw() * count));
    return picked;
}

} // namespace player
