#pragma once
// The variables every window of the player shares. There is no controller: FrmMain,
// FrmLyric and the list dialogs read and write one instance of this directly, and all of
// it is touched only on the user-interface thread, one handler at a time.
//
// Widths are part of the meaning: 16-bit and 32-bit fields are signed integers of that
// width, and flags hold True (-1) or False (0) only. Song time is in sixteenth notes,
// screen places and sizes in twips. Lyric strings hold the raw bytes read from the lyric
// files (after decoding); they become text only where they are drawn.
#include "Flag.h"
#include "TextFileTable.h"

#include <QString>
#include <array>
#include <cstdint>
#include <string>

namespace player {

// Global to the player program.
struct ModuleState {
    // Song and device.
    Flag16 IsPlaying = False;
    Flag16 IsPaused = False;
    // The device is stopped, closed, or in a mode the player does not list.
    Flag16 IsStopped = False;
    int32_t SongLength = 0; // sixteenth notes, 0 to 32000
    int16_t SongCount = 0;  // entries of the song list
    int32_t AutoMode = 0;   // 0 off, 1 repeat, 2 sequence, 3 random
    QString ProgramFolder;  // the programs and libraries: textpull, libnotebend.so
    QString SongFolder;     // what the user sings from: songs, pictures; only read
    QString DemoFolder;     // the demo songs and pictures installed with the program
    QString WorkFolder;     // the current folder, holding every working file
    // The extractor's last reply was a success, so "Input.str" and "Input.tit" are usable.
    Flag16 HasLyric = False;

    // The player's open files; the lyric loader keeps "Input.dat" and "Input.str" open in
    // it until the next song is chosen.
    TextFileTable OpenFiles;
    // Numbers in OpenFiles; 0 is none.
    int16_t DatFileNo = 0;         // "Input.dat"
    int16_t StrFileNo = 0;         // "Input.str"; only valid while HasLyric is True
    int32_t LyricRowTop = 0;       // DisplayHeight - DisplayHeight \ 4
    Flag32 LyricDataEnded = False; // the end of "Input.dat" has been reached

    // Screen.
    int32_t PixelTwipsX = 0; // twips per pixel, read at start
    int32_t PixelTwipsY = 0;
    int32_t SmallWidth = 0;  // 640 x PixelTwipsX
    int32_t SmallHeight = 0; // 480 x PixelTwipsY
    int32_t FullWidth = 0;   // the maximised lyric window, read once after it is first shown
    int32_t FullHeight = 0;
    Flag16 SmallScreen = False; // the lyric window has its 640x480 size

    // Pictures and the open dialog.
    int32_t PictureInterval = 25000; // milliseconds: 10000, 25000 or 45000
    int32_t PictureLead = 4;   // sixteenth notes a coming page needs for a picture change: 0, 4, 8
    Flag16 BrowseOpen = False; // the open-song dialog is showing
    QString BrowseFolder;      // folder of the song chosen last in the open dialog
};

// Owned by the main panel FrmMain, living as long as the panel.
struct PanelState {
    Flag16 DeviceReady = False;        // the device reports that it can play
    Flag32 LyricReplyReceived = False; // the extractor answered for the current song
    Flag32 LyricTimedOut = False;      // the extractor did not answer within the time-out
    Flag16 PanelShown = False;         // shown once after the first song went to the extractor
    Flag16 PanelActivated = False;     // the first-activation work has run

    // Lyric position.
    int32_t Division = 0;       // ticks per quarter note, first line of "Input.dat"
    int32_t TicksPer16th = 0;   // Division \ 4; record ticks are divided by it
    std::string RawRecord;      // the record line read last from "Input.dat"
    int32_t NextTime = 0;       // time of the pending syllable, sixteenth notes
    int64_t NextTick = 0;       // the same time in MIDI ticks, as its record gives it
    std::string NextSyllable;   // the pending syllable; may begin with "/" or "\"
    std::string NextLine;       // the next line of "Input.str", drawn when its first syllable nears
    Flag32 LineReady = False;   // NextLine's predecessor is drawn and waits for its syllable
    Flag32 NeedNewLine = False; // a line start came with no line waiting: draw on next tick
    Flag32 LastRowUpper = False;  // the line drawn last went to the upper row
    int32_t UpperRowY = 0;        // top of the upper lyric row
    int32_t LowerRowY = 0;        // UpperRowY + 650
    Flag32 TitlesVisible = False; // the three title labels LblTit are shown

    // Lyric screen.
    int32_t DisplayHeight = 0; // set at start
    int32_t DisplayWidth = 0;
    // Points; index 5 stays 0 and is never selected.
    std::array<int32_t, 6> FontSizes{20, 22, 24, 26, 28, 0};
    int32_t FontSizeIndex = 3;     // 26 points
    Flag32 AutoLyricResize = True; // each new line gets the largest size at which it fits

    // Background pictures.
    Flag32 PictureMode = True;
    Flag32 PlainBackground = False;   // slideshow off, plain background shown
    QString PictureFile;              // the picture chosen last
    Flag32 PictureChangeDue = False;  // a new picture waits for a suitable lyric moment
    Flag32 PicturesAvailable = False; // at least two pictures, so the slideshow may run
};

// One shared instance of both scopes.
struct PlayerState : ModuleState, PanelState {};

} // namespace player
