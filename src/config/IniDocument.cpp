#include "config/IniDocument.h"

namespace orfa::config {

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument::Line IniDocument::makeLine(QString text, QString eol) {
    IniLine parsed = IniLine::parse(text);
    return Line{std::move(text), std::move(eol), std::move(parsed)};
}

IniDocument IniDocument::fromBytes(const QByteArray& bytes) {
    IniDocument doc;
    QByteArray body = bytes;
    doc.encoding_ = detectIniEncoding(body);
    // A byte order mark only means one in a UTF-8 file; in a code-page file those bytes
    // are text and stay where they are.
    if (doc.encoding_ == IniEncoding::Utf8 && body.startsWith(utf8Bom)) {
        body.remove(0, utf8Bom.size());
        doc.byteOrderMark_ = true;
    }
    const QString text = decodeIni(body, doc.encoding_);

    bool newlineSeen = false;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lf = text.indexOf(u'\n', start);
        if (lf < 0) {
            doc.lines_.push_back(makeLine(text.sliced(start), QString()));
            break;
        }
        const bool crlf = lf > start && text[lf - 1] == u'\r';
        const qsizetype end = crlf ? lf - 1 : lf;
        QString eol = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
        if (!newlineSeen) {
            doc.newline_ = eol;
            newlineSeen = true;
        }
        doc.lines_.push_back(makeLine(text.sliced(start, end - start), std::move(eol)));
        start = lf + 1;
    }
    return doc;
}

QByteArray IniDocument::toBytes() const {
    QString text;
    for (const Line& line : lines_) {
        text += line.text;
        text += line.eol;
    }
    // setValue() keeps the encoding able to carry every line, so this cannot fail; UTF-8
    // is the safe answer should it ever do. A code-page file can also come out as valid
    // UTF-8 once the lines that made it invalid were rewritten (one "ÚŽINA" left behind is
    // enough): it would then be read back as UTF-8 with those letters changed, so it is
    // written as UTF-8 too.
    std::optional<QByteArray> body = encodeIni(text, encoding_);
    if (!body ||
        (encoding_ == IniEncoding::Windows1250 && detectIniEncoding(*body) == IniEncoding::Utf8))
        body = encodeIni(text, IniEncoding::Utf8);
    if (byteOrderMark_ && encoding_ == IniEncoding::Utf8)
        return utf8Bom + *body;
    return *body;
}

std::optional<std::size_t> IniDocument::findEntry(QStringView section, QStringView key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const IniLine& parsed = lines_[i].parsed;
        if (parsed.kind() == IniLine::Kind::Section)
            inSection = sameName(parsed.name(), section);
        else if (inSection && parsed.kind() == IniLine::Kind::Entry && sameName(parsed.name(), key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findSection(QStringView section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const IniLine& parsed = lines_[i].parsed;
        if (parsed.kind() == IniLine::Kind::Section && sameName(parsed.name(), section))
            return i;
    }
    return std::nullopt;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const {
    const std::optional<std::size_t> index = findEntry(section, key);
    if (!index)
        return std::nullopt;
    return lines_[*index].parsed.value();
}

void IniDocument::insertLine(std::size_t index, QString text) {
    // The line before the new one may be a last line without terminator.
    if (index > 0 && lines_[index - 1].eol.isEmpty())
        lines_[index - 1].eol = newline_;
    const auto at = lines_.begin() + static_cast<std::ptrdiff_t>(index);
    lines_.insert(at, makeLine(std::move(text), newline_));
}

bool IniDocument::rewriteEntry(std::size_t index, const QString& value) {
    Line& line = lines_[index];
    // A value that starts with blanks brings its own spacing after the '='; kept on top of
    // the line's, every write of the same value would add its blanks again.
    const bool ownSpacing = !value.isEmpty() && IniLine::isBlank(value.front());
    const qsizetype keep = ownSpacing ? line.text.indexOf(u'=') + 1 : line.parsed.valueStart();
    QString text = line.text.first(keep) + value;
    if (text == line.text)
        return false;
    line = makeLine(std::move(text), line.eol);
    return true;
}

// New entries go after the section's last entry, so that comments and blank lines that
// lead into the next section stay in front of it.
std::size_t IniDocument::lastEntryOf(std::size_t header) const {
    std::size_t last = header;
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        const IniLine::Kind kind = lines_[i].parsed.kind();
        if (kind == IniLine::Kind::Section)
            break;
        if (kind == IniLine::Kind::Entry)
            last = i;
    }
    return last;
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    if (encoding_ == IniEncoding::Windows1250 &&
        !encodeIni(section + key + value, IniEncoding::Windows1250)) {
        // Every line came from the code page, so all of them survive the switch.
        encoding_ = IniEncoding::Utf8;
    }

    if (const std::optional<std::size_t> index = findEntry(section, key))
        return rewriteEntry(*index, value);

    const QString entry = key + u'=' + value;
    if (const std::optional<std::size_t> header = findSection(section)) {
        insertLine(lastEntryOf(*header) + 1, entry);
        return true;
    }

    if (!lines_.empty() && !IniLine::stripped(lines_.back().text).isEmpty())
        insertLine(lines_.size(), QString());
    insertLine(lines_.size(), u'[' + section + u']');
    insertLine(lines_.size(), entry);
    return true;
}

} // namespace orfa::config
