#pragma once

#include "panel/AmpRequests.h"
#include "panel/AnswerDisplay.h"
#include "panel/CaptionedLabel.h"
#include "panel/PanelModel.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTabWidget;

namespace orfa::data {
class DataModule;
}

namespace orfa::panel {

class ControlActions;
class InputsPage;
class OutputsPage;
class PanelSlider;
class PowerStatusBar;

// The main window: three pages of controls, the master volume, the status
// bar, the menus and the tray icon; its start-up sequence, closing and hiding.
class OrfaForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kInputsPage = 0;
    static constexpr int kOutputs1Page = 1;
    static constexpr int kOutputs9Page = 2;

    // arguments: the command-line parameters after the program name.
    OrfaForm(data::DataModule& dataModule, QStringList arguments, QWidget* parent = nullptr);
    ~OrfaForm() override;

    PanelModel& model() { return model_; }
    AmpRequests& requests() { return requests_; }
    bool InitPrgOk() const { return initPrgOk_; }

    QTabWidget* pages() const { return pages_; }
    PanelSlider* volTrackBar() const { return volTrackBar_; }
    CaptionedLabel* radioMhzCaption() const;
    PowerStatusBar* statusBar1() const { return statusBar_; }
    QAction* zapnutyZesilovacAction() const { return powerAction_; }
    QAction* moznostiAction() const { return optionsAction_; }
    QMenu* predvolbyMenu() const { return presetsMenu_; }
    QMenu* ulozitMenu() const { return storeMenu_; }

    // The page-show handlers: queue the requests for the values on the page.
    void VstupyShow();
    void TabSheet1Show();

    void ZakazVsechnyOvladaciPrvky();
    void PovolOvladaciPrvkyPodleNastaveni();
    // Names, enable flags and groups from the store in use.
    void NactiNazvyVstupuAVystupu();

    void ZobrazZapnutoVypnuto(const spinel::Bytes& frame);

    // The power toggle: switches the amplifier off when the status bar says
    // "Zapnuto", on otherwise, and enables the controls accordingly.
    void StatusBar1DblClick();
    void Zapnutzesilova1Click() { StatusBar1DblClick(); }
    ControlActions& actions() { return *actions_; }

    void Konec1Click();
    void Oprogramu1Click();
    void Monosti1Click();
    void Tray1Click();
    // Closes the window from the event loop, after the current step returns.
    void ZavriOkno();
    // A second copy of the program asks this one to come to the front.
    void activateFromSecondInstance();
    // Whether a system tray exists to hold the icon: the desktop's answer
    // unless replaced (the offscreen platform of the tests has no tray).
    void setTrayAvailableCheck(std::function<bool()> check) { trayAvailable_ = std::move(check); }

Q_SIGNALS:
    // The start-up sequence has finished.
    void started();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    void buildMenus();
    void buildTray();
    void registerDisplayHandlers();
    void FormShow();
    void pageChanged(int index);
    void readTrayOption();
    void bringToFront();
    // Shows the tray icon where a system tray exists; false where none does,
    // so that nothing hides the window without a way back to it.
    bool showTrayIcon();

    data::DataModule& data_;
    QStringList arguments_;
    PanelModel model_;
    QTabWidget* pages_ = nullptr;
    InputsPage* inputsPage_ = nullptr;
    std::array<OutputsPage*, 2> outputPages_{};
    PanelSlider* volTrackBar_ = nullptr;
    PowerStatusBar* statusBar_ = nullptr;
    QAction* powerAction_ = nullptr;
    QAction* optionsAction_ = nullptr;
    QMenu* presetsMenu_ = nullptr;
    QMenu* storeMenu_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    std::function<bool()> trayAvailable_;
    AmpRequests requests_;
    ControlActions* actions_ = nullptr;
    std::unique_ptr<AnswerDisplay> display_;

    bool shownOnce_ = false;
    bool initPrgOk_ = false;
    bool ukoncitProgram_ = false;
    bool minimiseToTray_ = false;
};

} // namespace orfa::panel
