#pragma once
// A command button whose key-up events carry the old key code and shift state: the key
// code is the event's native virtual key, and Alt held gives shift state 4.
#include <QPushButton>
#include <cstdint>

namespace player {

class KeyUpButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    static constexpr int16_t kAltMask = 4;

signals:
    void KeyUp(int16_t KeyCode, int16_t Shift);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace player
