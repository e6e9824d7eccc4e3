#include "FatalMessage.h"

#include <QMessageBox>
#include <cstdlib>

namespace player {

void showFatalMessageAndEnd(const QString& text) {
    QMessageBox::critical(nullptr, QStringLiteral("melodeck"), text);
    std::_Exit(EXIT_FAILURE);
}

} // namespace player
