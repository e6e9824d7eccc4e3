#include "FirstActivation.h"

#include "StartupTexts.h"

#include <cmath>

namespace player {
namespace {

constexpr int kPictScaledTwips = 375;

// Sized in twips, shown in whole pixels, read back in twips.
int measuredTwips(int dpi) {
    const int pixels = kPictScaledTwips * dpi / 1440;
    const int twipsPerPixel = static_cast<int>(std::lround(1440.0 / dpi));
    return pixels * twipsPerPixel;
}

} // namespace

bool scaleIsNormal(int logicalDpiX, int logicalDpiY) {
    if (logicalDpiX <= 0 || logicalDpiY <= 0)
        return false;
    return measuredTwips(logicalDpiX) == kPictScaledTwips &&
           measuredTwips(logicalDpiY) == kPictScaledTwips;
}

FirstActivation::FirstActivation(PlayerState& state, std::function<void()> showOutline,
                                 QLabel& LblVersion,
                                 std::function<void(const QString&)> information)
    : state_(state), showOutline_(std::move(showOutline)), LblVersion_(LblVersion),
      information_(std::move(information)) {}

void FirstActivation::Form_Activate(int logicalDpiX, int logicalDpiY) {
    if (state_.PanelActivated)
        return;
    state_.PanelActivated = True;
    if (scaleIsNormal(logicalDpiX, logicalDpiY)) {
        showOutline_();
        return;
    }
    LblVersion_.setText(QStringLiteral("Bad scale mode."));
    information_(badScaleText());
}

} // namespace player
