#pragma once

#include <QString>

namespace orfa::config {

// What the file system says about a file, enough to notice that somebody changed or
// replaced it: identity (device, inode), size, modification and status-change times in
// nanoseconds. Comparing two stamps is one stat() call, much cheaper than reading.
class FileStamp {
public:
    // The stamp of path now (symbolic links followed); a missing file has a stamp too.
    static FileStamp of(const QString& path);

    bool exists() const { return exists_; }
    // Only regular files are ever read; opening a FIFO or a device could block or never end.
    bool isRegularFile() const { return regular_; }
    qint64 size() const { return size_; }
    qint64 modifiedNs() const { return modifiedNs_; }

    // Nanoseconds since the epoch on the clock file times are taken from.
    static qint64 nowNs();

    friend bool operator==(const FileStamp&, const FileStamp&) = default;

private:
    bool exists_ = false;
    bool regular_ = false;
    quint64 device_ = 0;
    quint64 inode_ = 0;
    qint64 size_ = 0;
    qint64 modifiedNs_ = 0;
    qint64 changedNs_ = 0;
};

} // namespace orfa::config
