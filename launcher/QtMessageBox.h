#pragma once
// The launcher's message boxes as Qt Widgets boxes; needs a QApplication.
#include "MessageBox.h"

class QtMessageBox : public MessageBox {
public:
    void show(const std::string& title, const std::string& text, Icon icon) override;
};
