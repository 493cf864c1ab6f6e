#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <vector>

namespace orfa::config {

// The rows a statement gave, walked one at a time as the program reads them: the first
// row is current after the statement, next() moves on, eof() says when they are used
// up. Columns are found by name without regard to letter case (the server spells
// unquoted names in capitals). A value is text, a 64-bit integer or NULL.
class ResultRows {
public:
    ResultRows() = default;
    explicit ResultRows(QStringList columns);

    // Adds a row; it must have one value per column.
    void append(QVariantList row);
    void clear();

    const QStringList& columns() const { return columns_; }
    qsizetype size() const { return static_cast<qsizetype>(rows_.size()); }
    bool eof() const { return current_ >= rows_.size(); }
    void next();

    // The current row's value as text: NULL is empty, an integer in decimal. Throws
    // DatabaseError for a column the result does not have or when eof().
    QString text(const QString& column) const;
    // The current row's value as an integer: NULL is 0, a text its decimal number (0 when
    // it is none); values beyond 32 bits are held at the nearest 32-bit limit so that a
    // huge value can never read as a small one. Throws as text().
    int integer(const QString& column) const;
    bool isNull(const QString& column) const;

private:
    const QVariant& value(const QString& column) const;

    QStringList columns_;
    std::vector<QVariantList> rows_;
    std::size_t current_ = 0;
};

} // namespace orfa::config
