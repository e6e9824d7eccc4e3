#include "frmStart.h"

#include "FontTable.h"
#include "RuntimeDir.h"
#include "StaleSessionFiles.h"

#include <utility>

frmStart::frmStart(std::string launcherFolder, MessageBox& boxes, FontInstaller& fonts,
                   ProcessStarter& processes)
    : launcherFolder_(std::move(launcherFolder)), boxes_(boxes), fonts_(fonts),
      processes_(processes) {}

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
        // Built the same way for every folder: one in the root gives "//" and still works.
        std::string path = launcherFolder_ + "/" + file;
        // A collection adds several fonts and is reported too, though they were added.
        if (fonts_.addFontResource(path) == 1)
            fonts_.announceFontChange();
        else
            boxes_.show(Title, "Cannot install " + path + " font file", MessageBox::Icon::None);
    }
}

void frmStart::startPlayer() {
    if (!processes_.start(Player, launcherFolder_))
        boxes_.show(Title, std::string("Cannot start ") + Player, MessageBox::Icon::Stop);
}
