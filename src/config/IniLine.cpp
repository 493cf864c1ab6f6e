#include "config/IniLine.h"

namespace orfa::config {

bool IniLine::isBlank(QChar c) {
    // Deliberately narrower than QChar::isSpace(): a name may begin with a no-break space.
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\r' || u == u'\v' || u == u'\f';
}

QStringView IniLine::stripped(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

IniLine IniLine::parse(QStringView text) {
    IniLine line;
    const QStringView body = stripped(text);
    if (body.isEmpty() || body.front() == u';' || body.front() == u'#')
        return line;

    if (body.front() == u'[') {
        // A missing ']' is forgiven: the rest of the line is the name.
        const qsizetype close = body.indexOf(u']');
        const QStringView name = close < 0 ? body.sliced(1) : body.sliced(1, close - 1);
        line.kind_ = Kind::Section;
        line.name_ = stripped(name).toString();
        return line;
    }

    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return line;
    const QStringView key = stripped(text.first(equals));
    if (key.isEmpty())
        return line;

    qsizetype start = equals + 1;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    line.kind_ = Kind::Entry;
    line.name_ = key.toString();
    line.valueStart_ = start;
    line.value_ = stripped(text.sliced(start)).toString();
    return line;
}

namespace {

bool writableName(QStringView name, QStringView forbidden) {
    if (name.isEmpty() || IniLine::stripped(name).size() != name.size())
        return false;
    for (const QChar c : name) {
        if (c == u'\n' || c == u'\r' || forbidden.contains(c))
            return false;
    }
    return true;
}

} // namespace

bool IniLine::isWritableKey(QStringView key) {
    return writableName(key, u"=") && key.front() != u'[' && key.front() != u';' &&
           key.front() != u'#';
}

bool IniLine::isWritableSection(QStringView section) {
    return writableName(section, u"]");
}

} // namespace orfa::config
