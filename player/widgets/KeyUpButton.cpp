#include "KeyUpButton.h"

#include <QKeyEvent>

namespace player {

void KeyUpButton::keyReleaseEvent(QKeyEvent* event) {
    // A code that does not fit the 16-bit key code is no key this button knows.
    const quint32 native = event->nativeVirtualKey();
    const int16_t keyCode = native <= 32767 ? static_cast<int16_t>(native) : int16_t{-1};
    const int16_t shift = (event->modifiers() & Qt::AltModifier) ? kAltMask : 0;
    event->accept();
    emit KeyUp(keyCode, shift);
}

} // namespace player
