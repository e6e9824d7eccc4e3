#pragma once
// A text box whose Change fires only when its text really changes, however it is set:
// writing the text it already holds starts nothing.
#include <QLineEdit>

namespace player {

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    void setText(const QString& text);

signals:
    void Change();
};

} // namespace player
