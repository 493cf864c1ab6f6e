#pragma once

#include <QString>

namespace orfa::config {

// This program's version, the project version the build was made with ("1.2"): the one
// text of it that the About box, `orfactl --version`, `orfa-mqtt --version` and the MQTT
// discovery's sw_version show.
QString programVersion();

} // namespace orfa::config
