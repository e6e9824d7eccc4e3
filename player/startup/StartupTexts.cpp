#include "StartupTexts.h"

namespace player {
namespace {
const QString kGoodbye = QStringLiteral("Zu-Dezivez will stop now. See you again.");
}

QString noSongsText(const QString& songFolder) {
    return QStringLiteral("You have no .kar/.mid file installed in my default folder:\n") +
           songFolder +
           QStringLiteral("\nPlease copy *.kar/*.mid songs into this folder, then start again. ") +
           kGoodbye;
}

QString badScaleText() {
    return QStringLiteral("Your screen is in a bad scale mode for User's Graphical Interface. "
                          "The program will continue normally.\n"
                          "To have the best graphical interface please do:\n"
                          " 1. Select: Display Properties -> Settings -> Advanced -> Font Size,\n"
                          " 2. Set: Font Size to Normal Size (96 dpi)");
}

} // namespace player
