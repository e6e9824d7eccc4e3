#pragma once
// The panel's pictures from the skin embedded in the program.
#include "PanelArt.h"

namespace player {

PanelArt skinPanelArt();

} // namespace player
