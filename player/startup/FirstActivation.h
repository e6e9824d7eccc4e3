#pragma once
// The panel's first activation: at the normal scale of 15 twips per pixel the outline
// control is shown and cuts the panel to its shape; at any other scale the panel stays
// rectangular and the user is told once.
#include "state/PlayerState.h"

#include <QLabel>
#include <QString>
#include <functional>

namespace player {

// True when the hidden 375 x 375 twips box PictScaled measures exactly 375 x 375 twips at
// this resolution: whole pixels times the rounded twips per pixel.
bool scaleIsNormal(int logicalDpiX, int logicalDpiY);

class FirstActivation {
public:
    // showOutline makes Contora1 visible; information is a message box with the
    // information icon.
    FirstActivation(PlayerState& state, std::function<void()> showOutline, QLabel& LblVersion,
                    std::function<void(const QString&)> information);

    // Every activation after the first does nothing.
    void Form_Activate(int logicalDpiX, int logicalDpiY);

private:
    PlayerState& state_;
    std::function<void()> showOutline_;
    QLabel& LblVersion_;
    std::function<void(const QString&)> information_;
};

} // namespace player
