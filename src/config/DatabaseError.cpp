#include "config/DatabaseError.h"

namespace orfa::config {

DatabaseError::DatabaseError(const QString& message)
    : std::runtime_error(message.toStdString())
    , message_(message) {}

} // namespace orfa::config
