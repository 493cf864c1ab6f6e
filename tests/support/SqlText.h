#pragma once

#include <QString>

namespace orfa::test {

// A text as an SQL literal, for the tests that write rows the way another
// program would: in single quotes, with quotes doubled.
inline QString quoted(const QString& text) {
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

} // namespace orfa::test
