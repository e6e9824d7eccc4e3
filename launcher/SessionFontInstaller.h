#pragma once
// Fonts installed for the login session, in the runtime folder's fonts/.
#include "FontInstaller.h"

class SessionFontInstaller : public FontInstaller {
public:
    int addFontResource(const std::string& path) override;
    void announceFontChange() override;
};
