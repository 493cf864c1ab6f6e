#include "mqtt/MqttLog.h"

// Information on by default: a service's log says when it connected and to what.
Q_LOGGING_CATEGORY(lcMqtt, "orfa.mqtt", QtInfoMsg)
