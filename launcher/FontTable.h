#pragma once
// The screen font files the launcher installs from its folder, in the order it installs
// them.
#include <array>

inline constexpr std::array<const char*, 14> FontTable{
    "Vswisec.ttf",  "Vswiconn.ttf", "Vswiconb.ttf", "Vswicobn.ttf", "Vrevue.ttf",
    "Vntime.ttf",   "Vntimeb.ttf",  "Vnhelvs.ttf",  "Vnexotic.ttf", "Vnarianb.ttf",
    "Vnarialb.ttf", "Vcompacn.ttf", "Vcompacb.ttf", "Sncencol.ttf"};
