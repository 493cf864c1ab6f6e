#pragma once

#include <QObject>
#include <QVariant>

namespace orfa::panel {

// Handlers shared by many controls tell them apart by a number carried on the
// control: output - 1 on output controls, 100 x box + slider on input sliders,
// the number on memory buttons and preset menu items.
inline void setTag(QObject* object, int tag) {
    object->setProperty("Tag", tag);
}

inline int tagOf(const QObject* object) {
    return object->property("Tag").toInt();
}

inline bool hasTag(const QObject* object) {
    return object->property("Tag").isValid();
}

} // namespace orfa::panel
