#pragma once
// Installs font files until the user logs off.
#include <string>

class FontInstaller {
public:
    virtual ~FontInstaller() = default;
    // Installs the font file at the full path; returns the number of fonts added: 0 when
    // the file is missing or not a font, more than 1 for a file holding several.
    virtual int addFontResource(const std::string& path) = 0;
    // Tells the programs of the session that the set of fonts changed.
    virtual void announceFontChange() = 0;
};
