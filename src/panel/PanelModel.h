#pragma once

#include <QPointer>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

namespace orfa::panel {

class OutputStrip;

// Input box k: slider 0 is the gain, 1..5 the bands; labels 1..5 the band labels.
struct TVstup {
    std::array<QSlider*, 6> TrackBar{};
    std::array<QLabel*, 6> Label{}; // index 0 unused
    QGroupBox* GroupBox = nullptr;
};

// Output strip n.
struct TVystup {
    QSlider* TrackBar = nullptr;
    QCheckBox* CheckBox = nullptr;
    int Pozice = 0;                           // level kept while the output is muted
    std::array<QRadioButton*, 11> Tlacitko{}; // index 0 unused; button i = source i
    OutputStrip* RadioGroup = nullptr;
    int IDSkupiny = 0; // output group, 0 = none
};

// The window's controls as the handlers, the received values and the names
// reach them: input boxes 1..5, outputs 1..16, radio memories 1..9.
class PanelModel {
public:
    static constexpr int kBoxes = 5;
    static constexpr int kOutputs = 16;
    static constexpr int kMemories = 9;

    TVstup& Vstup(int k) { return vstup_.at(static_cast<std::size_t>(k)); }
    TVystup& Vystup(int n) { return vystup_.at(static_cast<std::size_t>(n)); }
    QPushButton*& RadioTlac(int r) { return radioTlac_.at(static_cast<std::size_t>(r)); }

    // While true, no control event sends anything and no request is queued.
    bool ZakazOdesilaniZmen = false;

    bool PrirazenyVstupy = false;
    bool PrirazenyVystupy18 = false;
    bool PrirazenyVystupy916 = false;

    // Binds each section that is not bound yet from the controls under root,
    // found by their Tags. A section whose controls are incomplete stays
    // unbound and is tried again at the next call.
    void PriradOvladaciPrvky(QWidget* root);

    bool isBound() const { return PrirazenyVstupy && PrirazenyVystupy18 && PrirazenyVystupy916; }

private:
    bool bindInputs(QWidget* root);
    bool bindOutputs(QWidget* root, int first, int last);

    std::array<TVstup, kBoxes + 1> vstup_{};
    std::array<TVystup, kOutputs + 1> vystup_{};
    std::array<QPushButton*, kMemories + 1> radioTlac_{};
};

// Sets ZakazOdesilaniZmen for its lifetime and restores the previous value.
class SendingSuppressed {
public:
    explicit SendingSuppressed(PanelModel& model)
        : model_(model)
        , previous_(model.ZakazOdesilaniZmen) {
        model_.ZakazOdesilaniZmen = true;
    }
    ~SendingSuppressed() { model_.ZakazOdesilaniZmen = previous_; }
    SendingSuppressed(const SendingSuppressed&) = delete;
    SendingSuppressed& operator=(const SendingSuppressed&) = delete;

private:
    PanelModel& model_;
    bool previous_;
};

} // namespace orfa::panel
