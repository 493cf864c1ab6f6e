#pragma once

#include "settings/MessageSink.h"

#include <QString>

#include <vector>

// Keeps the messages the dialog shows instead of opening boxes.
class RecordingMessageSink : public orfa::settings::MessageSink {
public:
    struct Message {
        orfa::settings::MessageIcon icon;
        QString caption;
        QString text;
    };

    void showMessage(orfa::settings::MessageIcon icon, const QString& caption,
                     const QString& text) override {
        messages.push_back(Message{icon, caption, text});
    }

    QStringList texts() const {
        QStringList all;
        for (const Message& m : messages)
            all << m.text;
        return all;
    }

    std::vector<Message> messages;
};
