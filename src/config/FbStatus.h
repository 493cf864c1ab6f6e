#pragma once

#include <firebird/Interface.h>

#include <QString>

namespace orfa::config {

// A status object of the Firebird client library for one operation; a failed call
// throws Firebird::FbException through it. Given back to the library when it goes.
class FbStatus {
public:
    explicit FbStatus(Firebird::IMaster* master);
    ~FbStatus();
    FbStatus(const FbStatus&) = delete;
    FbStatus& operator=(const FbStatus&) = delete;

    Firebird::ThrowStatusWrapper* get() { return &wrapper_; }

    // The library's text for a failed call, lines joined by '\n'.
    static QString errorText(Firebird::IMaster* master, const Firebird::FbException& error);

private:
    Firebird::ThrowStatusWrapper wrapper_;
};

} // namespace orfa::config
