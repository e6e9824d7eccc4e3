#include "SongCopy.h"

#include "device/SongTiming.h"

#include <QFile>
#include <filesystem>

namespace player {
namespace {

bool writeWorkingFile(const QString& name, const QByteArray& bytes) {
    QFile out(name);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           out.write(bytes) == bytes.size() && out.flush();
}

} // namespace

std::optional<QString> copySongToWorkingFiles(const QString& songPath) {
    // Only a regular file: a folder, a pipe or a device would never give a song.
    std::error_code error;
    const std::filesystem::path source(songPath.toStdString());
    if (!std::filesystem::is_regular_file(source, error))
        return QStringLiteral("Input Song not found.");
    const auto size = std::filesystem::file_size(source, error);
    if (!error && size > kMaxSongFileBytes)
        return QStringLiteral("Input Song is too large to be a song.");
    QFile in(songPath);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("Input Song not found.");
    const QByteArray bytes = in.read(kMaxSongFileBytes + 1);
    if (in.error() != QFileDevice::NoError)
        return QStringLiteral("Input Song not found.");
    for (const char* name : {"Input.sng", "Input.bin"})
        if (!writeWorkingFile(QString::fromLatin1(name), bytes))
            return QStringLiteral("Cannot write %1 in the program's folder.").arg(name);
    return std::nullopt;
}

} // namespace player
