#pragma once

#include <QString>

namespace orfa::settings {

// The icon of a message to the operator.
enum class MessageIcon { Information, Warning, Error };

// Where the settings dialog sends the messages and questions it shows the operator. The
// program shows them in message boxes (BoxMessageSink); tests record them instead, so that no
// modal box waits for a click.
class MessageSink {
public:
    virtual ~MessageSink() = default;

    // Shows text under caption and returns when the operator has read it.
    virtual void showMessage(MessageIcon icon, const QString& caption, const QString& text) = 0;
    // Asks text under caption with a question icon and the buttons Yes and No; true for Yes.
    // Closing the box without an answer counts as No.
    virtual bool ask(const QString& caption, const QString& text) = 0;

protected:
    MessageSink() = default;
    MessageSink(const MessageSink&) = default;
    MessageSink& operator=(const MessageSink&) = default;
};

} // namespace orfa::settings
