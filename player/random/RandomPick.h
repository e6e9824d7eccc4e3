#pragma once
// The random choices of the player: the next song in random mode and the next picture of
// the slideshow.
#include <functional>

namespace player {

// Uniform numbers in [0, 1).
using UniformDraw = std::function<double()>;

// Draws from a generator seeded from the clock once per run.
UniformDraw clockSeededDraw();

// Whole part of (draw x count), drawn again until it differs from current. With fewer
// than two entries there is no other one: current is returned.
int pickOther(int count, int current, const UniformDraw& draw);

} // namespace player
