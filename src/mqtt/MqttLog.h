#pragma once

#include <QLoggingCategory>

// The MQTT service: broker connection, bad commands, the amplifier going away.
// Details with QT_LOGGING_RULES="orfa.mqtt.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcMqtt)
