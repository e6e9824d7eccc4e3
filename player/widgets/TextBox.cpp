#include "TextBox.h"

#include <QSignalBlocker>

namespace player {

void TextBox::setText(const QString& text) {
    if (text == QLineEdit::text())
        return;
    {
        const QSignalBlocker quiet(this);
        QLineEdit::setText(text);
    }
    emit Change();
}

} // namespace player
