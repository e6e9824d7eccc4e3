#pragma once
#include <QString>

namespace player {

// Shows the text in a message box with the critical icon and, after OK, ends the program
// at once, without the shutdown work: the working files stay in the folder.
[[noreturn]] void showFatalMessageAndEnd(const QString& text);

} // namespace player
