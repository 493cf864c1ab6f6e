#include "config/FileStamp.h"

#include <QFile>

#include <sys/stat.h>
#include <time.h>

namespace orfa::config {

namespace {

qint64 toNs(const timespec& t) {
    return qint64{t.tv_sec} * 1'000'000'000 + qint64{t.tv_nsec};
}

} // namespace

FileStamp FileStamp::of(const QString& path) {
    FileStamp stamp;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    stamp.exists_ = true;
    stamp.regular_ = S_ISREG(info.st_mode);
    stamp.device_ = static_cast<quint64>(info.st_dev);
    stamp.inode_ = static_cast<quint64>(info.st_ino);
    stamp.size_ = static_cast<qint64>(info.st_size);
    stamp.modifiedNs_ = toNs(info.st_mtim);
    stamp.changedNs_ = toNs(info.st_ctim);
    return stamp;
}

qint64 FileStamp::nowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return toNs(now);
}

} // namespace orfa::config
