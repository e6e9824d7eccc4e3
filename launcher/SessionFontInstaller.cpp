#include "SessionFontInstaller.h"

#include "SessionFontInstall.h"

int SessionFontInstaller::addFontResource(const std::string& path) {
    return platform::installSessionFont(path);
}

void SessionFontInstaller::announceFontChange() {
    platform::rescanSessionFonts();
}
