#include "SongFolderChoice.h"

#include <QDir>
#include <QFileInfo>

namespace player {
namespace {

const QStringList kSongPatterns{QStringLiteral("*.kar"), QStringLiteral("*.mid")};

bool isSong(const QFileInfo& file) {
    const QString suffix = file.suffix().toLower();
    return file.isFile() && (suffix == QLatin1String("kar") || suffix == QLatin1String("mid"));
}

} // namespace

bool holdsSongs(const QString& folder) {
    QDir dir(folder);
    return !dir.entryList(kSongPatterns, QDir::Files | QDir::Readable).isEmpty();
}

QString demoFolder(const QString& programFolder) {
    const QString installed =
        QDir(programFolder).absoluteFilePath(QStringLiteral("../../share/melodeck/demo"));
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return programFolder;
}

SongFolderChoice chooseSongFolder(const QStringList& arguments, const QString& home,
                                  const QString& demoFolder) {
    SongFolderChoice choice;
    if (!arguments.isEmpty()) {
        const QFileInfo named(arguments.first());
        if (named.isDir() && holdsSongs(named.absoluteFilePath())) {
            choice.folder = named.absoluteFilePath();
            return choice;
        }
        if (isSong(named)) {
            choice.folder = named.absolutePath();
            choice.song = named.absoluteFilePath();
            return choice;
        }
        if (!named.exists())
            choice.problem = QStringLiteral("%1 does not exist.").arg(arguments.first());
        else if (named.isDir())
            choice.problem =
                QStringLiteral("%1 holds no songs (.kar or .mid files).").arg(arguments.first());
        else
            choice.problem =
                QStringLiteral("%1 is no song (a .kar or .mid file).").arg(arguments.first());
    }
    const QString karaoke = QDir(home).filePath(QStringLiteral("Karaoke"));
    if (!home.isEmpty() && holdsSongs(karaoke)) {
        choice.folder = QDir(karaoke).absolutePath();
        return choice;
    }
    choice.folder = QDir(demoFolder).absolutePath();
    return choice;
}

} // namespace player
