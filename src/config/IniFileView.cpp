#include "config/IniFileView.h"

#include "config/ConfigLog.h"

#include <QFile>

#include <optional>

namespace orfa::config {

namespace {

// Comfortably more than the granularity of file times on any local file system.
constexpr qint64 racyWindowNs = 2'000'000'000;

// The contents of a regular file of at most maxSize bytes; nothing when it is larger or
// cannot be read.
std::optional<QByteArray> readWhole(const QString& path, qint64 maxSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // In pieces: a settings file is a few kilobytes, and reading the limit in one go would
    // reserve all of it for every load.
    constexpr qint64 kPiece = qint64{64} * 1024;
    QByteArray bytes;
    while (bytes.size() <= maxSize) {
        const QByteArray piece = file.read(kPiece);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > maxSize || file.error() != QFileDevice::NoError)
        return std::nullopt;
    // The first piece's buffer was taken over whole; keep only the file.
    bytes.squeeze();
    return bytes;
}

} // namespace

IniFileView::IniFileView(QString path)
    : path_(std::move(path)) {}

void IniFileView::refresh() {
    const FileStamp now = FileStamp::of(path_);
    const bool racy = now.modifiedNs() >= stampTakenNs_ - racyWindowNs;
    if (loaded_ && now == stamp_ && !racy)
        return;
    load(now);
}

void IniFileView::load(const FileStamp& stamp) {
    const qint64 takenNs = FileStamp::nowNs();
    QByteArray bytes;
    bool readable = true;
    if (stamp.exists()) {
        std::optional<QByteArray> read;
        if (stamp.isRegularFile() && stamp.size() <= maxFileSize)
            read = readWhole(path_, maxFileSize);
        readable = read.has_value();
        if (readable)
            bytes = std::move(*read);
        else if (readable_)
            qCWarning(lcConfig) << "settings file" << path_
                                << "cannot be read, defaults are used and it is not written";
    }

    if (!loaded_ || bytes != bytes_ || readable != readable_) {
        qCDebug(lcConfig) << "settings file" << path_ << "read," << bytes.size() << "bytes";
        document_ = IniDocument::fromBytes(bytes);
        bytes_ = std::move(bytes);
    }
    readable_ = readable;
    stamp_ = stamp;
    stampTakenNs_ = takenNs;
    // An unreadable file is tried again at every look, it may become readable.
    loaded_ = readable;
}

void IniFileView::adopt(IniDocument document, QByteArray bytes) {
    document_ = std::move(document);
    bytes_ = std::move(bytes);
    stamp_ = FileStamp::of(path_);
    stampTakenNs_ = FileStamp::nowNs();
    readable_ = true;
    loaded_ = true;
}

} // namespace orfa::config
