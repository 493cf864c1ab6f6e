#pragma once

namespace orfa::link {
class AmpLink;
}

namespace orfa::panel {

class PanelModel;

// The main window's requests for the amplifier's values. Each does nothing
// while the panel is putting received values into its controls.
class AmpRequests {
public:
    AmpRequests(PanelModel& model, link::AmpLink& link);

    void NactiCentralniHlasitost();
    void NactiHlasitostVystupy();
    void NactiPripojeneVstupy();
    void NactiVstupniKonfiguraci();
    void NactiNaladeneRadio();
    void NactiZapnutoVypnuto();

private:
    template <typename Builder> void request(Builder build);

    PanelModel& model_;
    link::AmpLink& link_;
};

} // namespace orfa::panel
