#include "config/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orfa::config {

namespace {

QString systemError(const char* step) {
    return QStringLiteral("%1: %2").arg(QLatin1String(step),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

// Closes and, unless released, removes the temporary file on every way out.
class TempFile {
public:
    // name ends in "XXXXXX", which mkstemp() replaces; the file is created with mode 0600.
    explicit TempFile(QByteArray name)
        : name_(std::move(name))
        , fd_(::mkstemp(name_.data()))
        , created_(fd_ >= 0) {}
    ~TempFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (created_ && !released_)
            ::unlink(name_.constData());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const QByteArray& name() const { return name_; }
    // Closes the file; false when the data could not be written out.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void release() { released_ = true; }

private:
    QByteArray name_;
    int fd_ = -1;
    bool created_ = false;
    bool released_ = false;
};

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    std::size_t left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO; // no progress and no reason given; never loop on it
        if (written <= 0)
            return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Gives fd the permission bits of the file at targetName, or newFileMode when there is
// none yet, and the file's owner where this process may. False when the bits cannot be set.
bool takeOverMode(int fd, const QByteArray& targetName, unsigned newFileMode) {
    struct stat existing {};
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    const mode_t mode = exists ? (existing.st_mode & 07777) : static_cast<mode_t>(newFileMode);
    if (::fchmod(fd, mode) != 0)
        return false;
    if (exists) {
        // Keeps the owner when an administrator edits somebody else's file; refused
        // otherwise, which changes nothing.
        [[maybe_unused]] const int ignored = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    return true;
}

// Makes a rename in dir durable; a failure here does not undo the replacement.
void syncDirectory(const QString& dir) {
    const int dirFd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

} // namespace

std::optional<QString> AtomicFile::replace(const QString& path, const QByteArray& bytes,
                                           unsigned newFileMode) {
    const QFileInfo info(path);
    QString target = path;
    if (info.isSymLink())
        target = info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
    const QFileInfo targetInfo(target);
    const QByteArray targetName = QFile::encodeName(target);
    const QString dir = targetInfo.absolutePath();

    TempFile temp(QFile::encodeName(dir + QStringLiteral("/.") + targetInfo.fileName() +
                                    QStringLiteral(".XXXXXX")));
    if (!temp.isOpen())
        return systemError("cannot create a temporary file");

    if (!takeOverMode(temp.fd(), targetName, newFileMode))
        return systemError("cannot set permissions");

    if (!writeAll(temp.fd(), bytes))
        return systemError("cannot write");
    if (::fsync(temp.fd()) != 0)
        return systemError("cannot flush to disk");
    if (!temp.close())
        return systemError("cannot close");
    if (::rename(temp.name().constData(), targetName.constData()) != 0)
        return systemError("cannot replace the file");
    temp.release();
    syncDirectory(dir);
    return std::nullopt;
}

} // namespace orfa::config
