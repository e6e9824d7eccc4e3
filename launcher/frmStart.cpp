#include "frmStart.h"

#include "FontTable.h"
#include "RuntimeDir.h"
#include "StaleSessionFiles.h"

#include <unistd.h>
#include <utility>

frmStart::frmStart(std::string launcherFolder, MessageBox& boxes, FontInstaller& fonts,
                   ProcessStarter& processes, std::vector<std::string> arguments,
                   std::vector<std::string> fontFolders)
    : launcherFolder_(std::move(launcherFolder)), arguments_(std::move(arguments)),
      fontFolders_(std::move(fontFolders)), boxes_(boxes), fonts_(fonts), processes_(processes) {
    if (fontFolders_.empty())
        fontFolders_.push_back(launcherFolder_);
}

// The song folder's own font file, else the next folder's; the last folder's path when no
// folder has it, so the box names where the file was expected.
std::string frmStart::fontPath(const char* file) const {
    for (const std::string& folder : fontFolders_) {
        // Built the same way for every folder: one in the root gives "//" and still works.
        std::string path = folder + "/" + file;
        if (access(path.c_str(), F_OK) == 0)
            return path;
    }
    return fontFolders_.back() + "/" + file;
}

void frmStart::Form_Load() {
    instance_ = std::make_unique<platform::InstanceLock>("didizir");
    if (instance_->previousInstance())
        return;
    const platform::RuntimeDirChoice runtime =
        platform::chooseRuntimeDir(platform::environmentRuntimePlaces());
    if (runtime.dir) {
        platform::removeStaleSessionFiles(*runtime.dir);
        installFonts();
    } else {
        // Every font would fail for this one reason: one box that names it, not fourteen.
        boxes_.show(Title, platform::noRuntimeDirText(runtime), MessageBox::Icon::None);
    }
    startPlayer();
}

void frmStart::installFonts() {
    for (const char* file : FontTable) {
        const std::string path = fontPath(file);
        // A collection adds several fonts and is reported too, though they were added.
        if (fonts_.addFontResource(path) == 1)
            fonts_.announceFontChange();
        else
            boxes_.show(Title, "Cannot install " + path + " font file", MessageBox::Icon::None);
    }
}

void frmStart::startPlayer() {
    if (!processes_.start(Player, arguments_, launcherFolder_))
        boxes_.show(Title, std::string("Cannot start ") + Player, MessageBox::Icon::Stop);
}
