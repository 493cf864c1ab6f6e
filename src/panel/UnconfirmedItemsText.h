#pragma once

#include "model/AmpItem.h"

#include <QString>

#include <set>

namespace orfa::panel {

// The status bar's words for the settings the amplifier has not confirmed,
// outputs gathered by what was set on them: "Zesilovač nepotvrdil: výstupy
// 1, 3 hlasitost, celková hlasitost". Empty when every one is confirmed.
QString unconfirmedItemsText(const std::set<model::AmpItem>& items);

} // namespace orfa::panel
