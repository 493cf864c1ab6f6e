#pragma once

#include <firebird/Interface.h>

#include <QString>

namespace orfa::config::fbclient {

// The Firebird client library's master interface. The library (libfbclient.so.2)
// is loaded the first time the central database is used, so a panel that works
// from its settings file never maps it and its dependencies. Null when the
// library cannot be loaded; error then says why. The library stays loaded.
Firebird::IMaster* master(QString& error);

// The server's numbers of the character sets a message column may carry.
inline constexpr unsigned kCharsetNone = 0;
inline constexpr unsigned kCharsetOctets = 1;
inline constexpr unsigned kCharsetWin1250 = 51;

} // namespace orfa::config::fbclient
