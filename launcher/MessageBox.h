#pragma once
// The launcher's only way to speak to the user.
#include <string>

class MessageBox {
public:
    enum class Icon { None, Stop };

    virtual ~MessageBox() = default;
    // Shows a box with only an OK button and returns once the user has closed it.
    virtual void show(const std::string& title, const std::string& text, Icon icon) = 0;
};
