#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace orfa::data {
class DataModule;
}

namespace orfa::ctl {

// Where a password comes from: the environment variable ORFA_PASSWORD, else
// a prompt on the terminal without echo. Nothing when neither gives one.
using PasswordSource = std::function<std::optional<QString>()>;
PasswordSource environmentOrTerminalPassword();

// Gives the data module the rights orfactl acts with, as the panel does at
// start: without login at start all rights (unless a user is named), else
// the named user's after users::logIn() took the name and password. False
// with the reason in error when that user is missing, the password wrong or
// none was given.
bool logIn(data::DataModule& data, const QString& user, const PasswordSource& password,
           QString& error);

} // namespace orfa::ctl
