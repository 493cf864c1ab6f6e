#include "config/ResultRows.h"

#include "config/DatabaseError.h"

#include <algorithm>
#include <limits>

namespace orfa::config {
namespace {

int saturated(qlonglong number) {
    return static_cast<int>(std::clamp<qlonglong>(number, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

} // namespace

ResultRows::ResultRows(QStringList columns)
    : columns_(std::move(columns)) {}

void ResultRows::append(QVariantList row) {
    Q_ASSERT(row.size() == columns_.size());
    rows_.push_back(std::move(row));
}

void ResultRows::clear() {
    columns_.clear();
    rows_.clear();
}

const QVariant& ResultRow::value(const QString& column) const {
    const QStringList& columns = rows_->columns_;
    qsizetype index = 0;
    while (index < columns.size() && columns.at(index).compare(column, Qt::CaseInsensitive) != 0)
        ++index;
    if (index == columns.size())
        throw DatabaseError(QStringLiteral("no column %1 in the result").arg(column));
    if (index_ >= rows_->rows_.size())
        throw DatabaseError(QStringLiteral("no row to read %1 from").arg(column));
    const QVariantList& row = rows_->rows_.at(index_);
    if (index >= row.size())
        throw DatabaseError(QStringLiteral("no value for column %1").arg(column));
    return row.at(index);
}

QString ResultRow::text(const QString& column) const {
    const QVariant& v = value(column);
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::LongLong)
        return QString::number(v.toLongLong());
    return v.toString();
}

int ResultRow::integer(const QString& column) const {
    const QVariant& v = value(column);
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::LongLong)
        return saturated(v.toLongLong());
    bool ok = false;
    const qlonglong number = v.toString().trimmed().toLongLong(&ok);
    return ok ? saturated(number) : 0;
}

bool ResultRow::isNull(const QString& column) const {
    return value(column).isNull();
}

} // namespace orfa::config
