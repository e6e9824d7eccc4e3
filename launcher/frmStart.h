#pragma once
// The launcher's start form. It is never shown: all the work runs in its load handler,
// and the program ends when that returns.
#include "FontInstaller.h"
#include "InstanceLock.h"
#include "MessageBox.h"
#include "ProcessStarter.h"

#include <memory>
#include <string>

class frmStart {
public:
    // The title every message box of the launcher carries.
    static constexpr const char* Title = "Ze-Dazarav Uzadiz V208";
    static constexpr const char* Player = "melodeck";

    // launcherFolder: the folder of the launcher's executable; the fonts are looked for
    // there, and the player there first.
    frmStart(std::string launcherFolder, MessageBox& boxes, FontInstaller& fonts,
             ProcessStarter& processes);

    // Runs once unless another launcher is running: clears what dead programs left in the
    // runtime folder, installs the fonts of the font table, reporting each that does not add
    // exactly one font, then starts the player. Without a private runtime folder one box
    // says why instead, and the player is started all the same.
    void Form_Load();

private:
    void installFonts();
    void startPlayer();

    std::string launcherFolder_;
    MessageBox& boxes_;
    FontInstaller& fonts_;
    ProcessStarter& processes_;
    // Held until the launcher ends, so a second copy started meanwhile ends silently.
    std::unique_ptr<platform::InstanceLock> instance_;
};
