#pragma once

#include "mqtt/RetainedPublisher.h"

#include <QString>

#include <vector>

namespace orfa::mqtt {

class AmplifierNames;
class TopicLayout;

// The amplifier as one Home Assistant device.
struct DeviceInfo {
    QString discoveryPrefix; // "homeassistant"
    QString amplifierId;
    QString name;
    QString version; // of this program
};

// Home Assistant's MQTT discovery: a retained config per entity at
// <discovery prefix>/<component>/<unique id>/config, each with the device and
// the availability topic. Per enabled output a number (level), a select
// (source, the enabled sources as options) and a switch (mute); a switch for
// the power, a number for the master volume, a button per preset and a sensor
// for the tuned frequency. The configs of outputs switched off are empty,
// which withdraws their entities, and so is the select when no source is on.
std::vector<RetainedMessage>
discoveryMessages(const TopicLayout& topics, const AmplifierNames& names, const DeviceInfo& device);

} // namespace orfa::mqtt
