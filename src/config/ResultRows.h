#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <cstddef>
#include <iterator>
#include <vector>

namespace orfa::config {

class ResultRows;

// One row of a result. Columns are found by name without regard to letter case (the server
// spells unquoted names in capitals). A value is text, a 64-bit integer or NULL. A row refers
// to the rows it came from and is valid as long as they are.
class ResultRow {
public:
    // The value as text: NULL is empty, an integer in decimal. Throws DatabaseError for a
    // column the result does not have, or when the result has no such row.
    QString text(const QString& column) const;
    // The value as an integer: NULL is 0, a text its decimal number (0 when it is none);
    // values beyond 32 bits are held at the nearest 32-bit limit so that a huge value can
    // never read as a small one. Throws as text().
    int integer(const QString& column) const;
    bool isNull(const QString& column) const;

private:
    friend class ResultRows;
    ResultRow(const ResultRows& rows, std::size_t index)
        : rows_(&rows)
        , index_(index) {}
    const QVariant& value(const QString& column) const;

    const ResultRows* rows_;
    std::size_t index_;
};

// The rows a statement gave, in the order the server sent them:
//     for (const ResultRow& row : db.rows()) ... row.text("NAZEV") ...
// or, for a statement of one row, db.rows().first().
class ResultRows {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = ResultRow;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = ResultRow;

        Iterator() = default;
        ResultRow operator*() const { return ResultRow(*rows_, index_); }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++index_;
            return before;
        }
        bool operator==(const Iterator&) const = default;

    private:
        friend class ResultRows;
        Iterator(const ResultRows* rows, std::size_t index)
            : rows_(rows)
            , index_(index) {}

        const ResultRows* rows_ = nullptr;
        std::size_t index_ = 0;
    };

    ResultRows() = default;
    explicit ResultRows(QStringList columns);

    // Adds a row; it must have one value per column.
    void append(QVariantList row);
    void clear();

    const QStringList& columns() const { return columns_; }
    qsizetype size() const { return static_cast<qsizetype>(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }

    // Row index (from 0). Reading a value of a row the result does not have throws
    // DatabaseError, so a statement that gave no row fails when its answer is read.
    ResultRow at(qsizetype index) const {
        return ResultRow(*this, static_cast<std::size_t>(index));
    }
    ResultRow first() const { return at(0); }

    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, rows_.size()); }

private:
    friend class ResultRow;

    QStringList columns_;
    std::vector<QVariantList> rows_;
};

} // namespace orfa::config
