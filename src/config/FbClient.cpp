#include "config/FbClient.h"

#include <QLibrary>

namespace orfa::config::fbclient {

Firebird::IMaster* master(QString& error) {
    using GetMaster = Firebird::IMaster* (*)();
    static QLibrary library(QStringLiteral("fbclient"), 2);
    static GetMaster getMaster = nullptr;
    if (!getMaster) {
        getMaster = reinterpret_cast<GetMaster>(library.resolve("fb_get_master_interface"));
        if (!getMaster) {
            error = QStringLiteral("the Firebird client library cannot be loaded (%1)")
                        .arg(library.errorString());
            return nullptr;
        }
    }
    return getMaster();
}

} // namespace orfa::config::fbclient
