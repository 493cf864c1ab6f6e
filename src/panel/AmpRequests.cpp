#include "panel/AmpRequests.h"

#include "link/AmpLink.h"
#include "link/CommandBuilder.h"
#include "panel/PanelModel.h"

namespace orfa::panel {

AmpRequests::AmpRequests(PanelModel& model, link::AmpLink& link)
    : model_(model)
    , link_(link) {}

template <typename Builder> void AmpRequests::request(Builder build) {
    if (model_.ZakazOdesilaniZmen)
        return;
    link_.send(build(link_.signature()));
}

void AmpRequests::NactiCentralniHlasitost() {
    request(link::buildReadMasterVolume);
}

void AmpRequests::NactiHlasitostVystupy() {
    request(link::buildReadOutputLevels);
}

void AmpRequests::NactiPripojeneVstupy() {
    request(link::buildReadOutputSources);
}

void AmpRequests::NactiVstupniKonfiguraci() {
    request(link::buildReadInputParameters);
}

void AmpRequests::NactiNaladeneRadio() {
    request(link::buildReadTunedFrequency);
}

void AmpRequests::NactiZapnutoVypnuto() {
    request(link::buildReadPower);
}

} // namespace orfa::panel
