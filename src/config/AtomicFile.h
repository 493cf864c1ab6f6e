#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace orfa::config {

// Replaces a whole file so that readers and a crash see either the old or the new contents,
// never a mixture or an empty file: the bytes go to a temporary file in the same directory,
// which is flushed to the disk and then renamed over the file. Every step is checked;
// a short write (disk full, file size limit) or a failed flush is an error, not a success.
// QSaveFile is not used because it reports success after a short buffered write.
class AtomicFile {
public:
    // Writes bytes as the new contents of path (a symbolic link is followed, so the link
    // stays). An existing file keeps its permission bits; a new one gets newFileMode.
    // Returns the reason when the file could not be replaced; it is then unchanged and no
    // temporary file is left behind.
    static std::optional<QString> replace(const QString& path, const QByteArray& bytes,
                                          unsigned newFileMode);
};

} // namespace orfa::config
