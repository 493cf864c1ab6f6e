#pragma once

#include "config/FileStamp.h"
#include "config/IniDocument.h"

#include <QByteArray>
#include <QString>

namespace orfa::config {

// The parsed contents of one INI file, kept in step with the disk: every look goes through
// refresh(), which re-reads the file when its stamp changed, so an edit by another process
// is seen at the next read. File times are coarse (a few milliseconds), so a stamp taken
// within a moment of the file's last change proves nothing; such a file is read again and
// compared byte for byte until its change lies safely in the past.
class IniFileView {
public:
    // Larger files are not settings files; they are neither parsed nor replaced.
    static constexpr qint64 maxFileSize = qint64{16} * 1024 * 1024;

    explicit IniFileView(QString path);

    // Brings the document up to date with the disk. An absent file is an empty document;
    // a file that cannot be read is an empty document too, and isReadable() says so.
    void refresh();

    const IniDocument& document() const { return document_; }
    // False when the file exists but its content is unknown (not a regular file, too
    // large, no permission to read): writing it would throw that content away.
    bool isReadable() const { return readable_; }

    // Takes over the document this program has just written to the file as bytes.
    void adopt(IniDocument document, QByteArray bytes);

private:
    void load(const FileStamp& stamp);

    QString path_;
    IniDocument document_;
    QByteArray bytes_;
    FileStamp stamp_;
    qint64 stampTakenNs_ = 0;
    bool loaded_ = false;
    bool readable_ = true;
};

} // namespace orfa::config
