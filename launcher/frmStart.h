#pragma once
// The launcher's start form. It is never shown: all the work runs in its load handler,
// and the program ends when that returns.
#include "FontInstaller.h"
#include "InstanceLock.h"
#include "MessageBox.h"
#include "ProcessStarter.h"

#include <memory>
#include <string>
#include <vector>

class frmStart {
public:
    // The title every message box of the launcher carries.
    static constexpr const char* Title = "Ze-Dazarav Uzadiz V208";
    static constexpr const char* Player = "melodeck";

    // launcherFolder: the folder of the launcher's executable; the player is looked for
    // there first. arguments: the launcher's own (a song folder or a song), passed on to
    // the player. fontFolders: where each font file is looked for, in turn (the song
    // folder, then the demo's); the launcher's folder when none is given.
    frmStart(std::string launcherFolder, MessageBox& boxes, FontInstaller& fonts,
             ProcessStarter& processes, std::vector<std::string> arguments = {},
             std::vector<std::string> fontFolders = {});

    // Runs once unless another launcher is running: clears what dead programs left in the
    // runtime folder, installs the fonts of the font table, reporting each that does not add
    // exactly one font, then starts the player. Without a private runtime folder one box
    // says why instead, and the player is started all the same.
    void Form_Load();

private:
    void installFonts();
    void startPlayer();

    std::string fontPath(const char* file) const;

    std::string launcherFolder_;
    std::vector<std::string> arguments_;
    std::vector<std::string> fontFolders_;
    MessageBox& boxes_;
    FontInstaller& fonts_;
    ProcessStarter& processes_;
    // Held until the launcher ends, so a second copy started meanwhile ends silently.
    std::unique_ptr<platform::InstanceLock> instance_;
};
