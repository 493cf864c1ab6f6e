#pragma once

#include "settings/MessageSink.h"

#include <QPointer>
#include <QWidget>

namespace orfa::settings {

// Messages as modal message boxes with an OK button, questions with Yes and No, over a parent
// window.
class BoxMessageSink : public MessageSink {
public:
    // parent may be null or go away before a message is shown; the box then has no parent.
    explicit BoxMessageSink(QWidget* parent = nullptr);

    void showMessage(MessageIcon icon, const QString& caption, const QString& text) override;
    bool ask(const QString& caption, const QString& text) override;

    void setParent(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

} // namespace orfa::settings
