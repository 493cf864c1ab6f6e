#pragma once

#include <QString>

namespace orfa::model {

// What became of an operator's intent.
struct IntentResult {
    enum class Outcome {
        Queued,     // on its way to the amplifier
        Unchanged,  // already so: nothing to send
        NotAllowed, // the operator's rights do not allow it: nothing sent
        Invalid,    // a number out of range: nothing sent
        NotQueued,  // the send queue could not take it (full, or the link gave up)
    };

    Outcome outcome = Outcome::Queued;
    QString reason; // for NotAllowed, Invalid and NotQueued, in English: "the level of output 3"

    bool accepted() const { return outcome == Outcome::Queued || outcome == Outcome::Unchanged; }

    static IntentResult queued() { return {}; }
    static IntentResult unchanged() { return {Outcome::Unchanged, {}}; }
    static IntentResult notAllowed(const QString& what) { return {Outcome::NotAllowed, what}; }
    static IntentResult invalid(const QString& what) { return {Outcome::Invalid, what}; }
    static IntentResult notQueued(const QString& what) { return {Outcome::NotQueued, what}; }
};

} // namespace orfa::model
