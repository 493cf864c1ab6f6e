#pragma once

#include <QLineEdit>
#include <QString>

#include <algorithm>

// Text fields whose values a store holds only up to some length. A field never cuts what it
// shows: a longer text (a value stored before, or one carried over from a store that holds
// more) stays whole until the operator shortens it, and saving it is refused with a message.
namespace orfa::settings {

// Shows text whole in field; the keyboard then adds nothing beyond limit characters.
inline void showWhole(QLineEdit* field, const QString& text, qsizetype limit) {
    field->setMaxLength(static_cast<int>(std::max(limit, text.size())));
    field->setText(text);
}

// The keyboard adds nothing to field beyond limit characters; its text stays as it is.
inline void limitLength(QLineEdit* field, qsizetype limit) {
    field->setMaxLength(static_cast<int>(std::max(limit, field->text().size())));
}

} // namespace orfa::settings
