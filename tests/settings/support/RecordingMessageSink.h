#pragma once

#include "settings/MessageSink.h"

#include <QString>

#include <vector>

// Keeps the messages and questions the dialog shows instead of opening boxes; every question
// gets the answer the test chose.
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

    bool ask(const QString& caption, const QString& text) override {
        questions.push_back(Message{orfa::settings::MessageIcon::Information, caption, text});
        return answer;
    }

    QStringList texts() const {
        QStringList all;
        for (const Message& m : messages)
            all << m.text;
        return all;
    }

    std::vector<Message> messages;
    std::vector<Message> questions; // icon unused: a question always has its own
    bool answer = false;            // true: Yes
};
