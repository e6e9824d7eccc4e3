#pragma once
// Which folder the user sings from. In order: a folder or song named on the command line
// (a song: its folder, with that song first), ~/Karaoke when it holds songs, else the demo
// folder installed with the program. A folder named that cannot be used is said so, and
// the choice goes on down the list.
#include <QString>
#include <QStringList>

namespace player {

struct SongFolderChoice {
    QString folder;  // absolute
    QString song;    // a song to load first, or empty for the list's first
    QString problem; // for a message box: why the folder named could not be used
};

// arguments: the program's arguments after its name.
SongFolderChoice chooseSongFolder(const QStringList& arguments, const QString& home,
                                  const QString& demoFolder);

// The demo songs, pictures and fonts: beside the programs in a build, under
// share/melodeck/demo once installed.
QString demoFolder(const QString& programFolder);

// Whether the folder lists a song ("*.kar", "*.mid", letter case ignored).
bool holdsSongs(const QString& folder);

} // namespace player
