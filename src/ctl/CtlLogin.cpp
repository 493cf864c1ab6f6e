#include "ctl/CtlLogin.h"

#include "data/DataModule.h"
#include "users/Login.h"
#include "users/UserDirectory.h"

#include <QFile>

#include <termios.h>
#include <unistd.h>

namespace orfa::ctl {
namespace {

// Echo off on a terminal for as long as it lives.
class EchoOff {
public:
    explicit EchoOff(int fd)
        : fd_(fd) {
        if (tcgetattr(fd_, &saved_) != 0)
            return;
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        active_ = tcsetattr(fd_, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff() {
        if (active_)
            tcsetattr(fd_, TCSAFLUSH, &saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int fd_;
    termios saved_{};
    bool active_ = false;
};

std::optional<QString> promptOnTerminal() {
    QFile tty(QStringLiteral("/dev/tty"));
    if (!tty.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return std::nullopt;
    tty.write("Password: ");
    QString line;
    {
        const EchoOff quiet(tty.handle());
        line = QString::fromLocal8Bit(tty.readLine());
    }
    tty.write("\n");
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

} // namespace

PasswordSource environmentOrTerminalPassword() {
    return []() -> std::optional<QString> {
        if (qEnvironmentVariableIsSet("ORFA_PASSWORD"))
            return qEnvironmentVariable("ORFA_PASSWORD");
        return promptOnTerminal();
    };
}

bool logIn(data::DataModule& data, const QString& user, const PasswordSource& password,
           QString& error) {
    if (user.isEmpty()) {
        if (data.loginAtStart()) {
            error = QStringLiteral("this site asks for a login: use --user NAME");
            return false;
        }
        data.grantAllRights();
        return true;
    }
    const std::optional<QString> given = password();
    if (!given) {
        error = QStringLiteral("no password: set ORFA_PASSWORD or run on a terminal");
        return false;
    }
    const users::LoginResult result =
        users::logIn(users::UserDirectory(data.settings(), data.database()), data.usesDatabase(),
                     user, *given, data.rights());
    if (!result.loggedIn()) {
        data.setRights(users::UserRights::noRights());
        error = QStringLiteral("login as \"%1\" failed").arg(user);
        return false;
    }
    data.setRights(result.rights);
    return true;
}

} // namespace orfa::ctl
