#include "SongCopy.h"

#include "SafeFile.h"
#include "device/SongTiming.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace player {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, for a result: the last write error may only show here.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// At most limit bytes; no value when a read fails.
std::optional<QByteArray> readUpTo(int fd, qint64 limit) {
    QByteArray bytes;
    char block[64 * 1024];
    while (bytes.size() < limit) {
        const ssize_t got = ::read(
            fd, block, static_cast<size_t>(std::min<qint64>(sizeof block, limit - bytes.size())));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        bytes.append(block, got);
    }
    return bytes;
}

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t put =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += put;
    }
    return true;
}

// A new file of ours, whatever was planted under that name (see platform::createFresh).
bool writeWorkingFile(const char* name, const QByteArray& bytes) {
    Descriptor out(platform::createFresh(name));
    return out.get() >= 0 && writeAll(out.get(), bytes) && out.close();
}

} // namespace

std::optional<QString> copySongToWorkingFiles(const QString& songPath) {
    // The song is the user's own choice, so a link the user made to it is followed. Only a
    // regular file: a folder, a pipe or a device would never give a song.
    const Descriptor in(
        platform::openForReading(QFile::encodeName(songPath).constData(), platform::Links::Follow));
    struct stat info {};
    if (in.get() < 0 || fstat(in.get(), &info) != 0)
        return QStringLiteral("Input Song not found.");
    if (info.st_size > kMaxSongFileBytes)
        return QStringLiteral("Input Song is too large to be a song.");
    const std::optional<QByteArray> bytes = readUpTo(in.get(), kMaxSongFileBytes + 1);
    if (!bytes)
        return QStringLiteral("Input Song not found.");
    for (const char* name : {"Input.sng", "Input.bin"})
        if (!writeWorkingFile(name, *bytes))
            return QStringLiteral("Cannot write %1 in the program's folder.").arg(name);
    return std::nullopt;
}

} // namespace player
