#pragma once

#include "link/AnswerDecoder.h"
#include "panel/PanelEnabling.h"
#include "panel/StartupHold.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QBoxLayout;
class QMenu;
class QSystemTrayIcon;
class QTabWidget;

namespace orfa::data {
class DataModule;
}

namespace orfa::panel {

class CaptionedLabel;
class InputBox;
class InputsPage;
class OutputStrip;
class OutputsPage;
class PanelSlider;
class PowerStatusBar;
class RadioBox;
struct AmplifierAccess;

// The main window: three pages of controls, the master volume, the status
// bar, the menus and the tray icon; its start-up sequence, closing and hiding.
// The controls show the data module's amplifier model and hand the operator's
// acts to its control; until the start-up has finished the window holds them
// back (all but the power switch) and asks the amplifier for nothing.
class OrfaForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kInputsPage = 0;
    static constexpr int kOutputs1Page = 1;
    static constexpr int kOutputs9Page = 2;

    // arguments: the command-line parameters after the program name.
    OrfaForm(data::DataModule& dataModule, QStringList arguments, QWidget* parent = nullptr);

    bool startupFinished() const { return !hold_.holds(); }

    QTabWidget* pages() const { return pages_; }
    // 1..5
    InputBox* inputBox(int box) const;
    RadioBox* radio() const;
    CaptionedLabel* frequencyLabel() const;
    // 1..16, on whichever page it stands; its page is built if it was not yet.
    OutputStrip* outputStrip(int output);
    PanelSlider* masterVolumeSlider() const { return masterVolume_; }
    PowerStatusBar* powerStatusBar() const { return statusBar_; }
    QAction* powerAction() const { return powerAction_; }
    QAction* optionsAction() const { return optionsAction_; }
    QMenu* presetsMenu() const { return presetsMenu_; }
    QMenu* storeMenu() const { return storeMenu_; }

    // What showing a page asks the amplifier for: the values on the page.
    // Nothing before the start-up has finished.
    void refreshInputsPage();
    void refreshOutputsPage();

    void disableAllControls();
    // While the amplifier is on: names, flags and groups anew, the controls
    // enabled by them and the rights, the preset menus by their rights. Runs
    // when the amplifier is switched or reported on, and at each page shown.
    void enableControlsByRights();
    // Names, enable flags and groups from the store in use.
    void applyNames();

    // Switches the amplifier off when the model says it is on, on otherwise,
    // and enables the controls accordingly.
    void togglePower();

    // "&Konec": ends the program, whatever the tray option says.
    void quit();
    void showAbout();
    void openSettings();
    void showFromTray();
    // Closes the window from the event loop, after the current step returns.
    void closeLater();
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
    void buildPages();
    void buildMasterVolume(QWidget* central, QBoxLayout* row);
    void buildMenus();
    void buildPresetMenus();
    void buildTray();
    void bindToAmplifier();
    // The model, its control and the start-up hold, for the bindings.
    AmplifierAccess amplifierAccess();
    // Builds output page 0 or 1 if it has not been built: its strips then get
    // the model's values and the names and enabled state the others have.
    void buildOutputPage(std::size_t page);
    void runStartup();
    // The rights: from the login at start, all of them without a login, none
    // when the database cannot be read.
    void logIn();
    // The page stored at the last close, without requesting anything.
    void selectStoredPage();
    // Releases the hold and asks for the power state and the page's values.
    void finishStartup();
    void refreshCurrentPage();
    // The preset menus and their items, each by its right.
    void enablePresetMenus(const users::UserRights& rights);
    void showPower(link::PowerState power);
    void readTrayOption();
    void bringToFront();
    // Shows the tray icon where a system tray exists; false where none does,
    // so that nothing hides the window without a way back to it.
    bool showTrayIcon();

    data::DataModule& data_;
    QStringList arguments_;
    QTabWidget* pages_ = nullptr;
    InputsPage* inputsPage_ = nullptr;
    std::array<OutputsPage*, 2> outputPages_{};
    OutputStrips strips_{};
    // What applyNames() last put on the controls, for a page built later.
    struct AppliedNames {
        config::IoNames names;
        users::UserRights rights;
        users::LevelRule levelRule;
    };
    std::optional<AppliedNames> appliedNames_;
    // What the operator may do, as the controls' intents go to the model:
    // the rights of the operator logged in with the names last applied;
    // nothing before names were first applied.
    users::OperatorAccess access_{config::IoNames{}, users::UserRights::noRights(),
                                  users::LevelRule::FlagAndVolume};
    void updateAccess();
    // Whether applyNames() (which enables by the rights) or disableAllControls() came last.
    bool controlsEnabled_ = true;
    PanelSlider* masterVolume_ = nullptr;
    PowerStatusBar* statusBar_ = nullptr;
    QAction* powerAction_ = nullptr;
    QAction* optionsAction_ = nullptr;
    QMenu* presetsMenu_ = nullptr;
    QMenu* storeMenu_ = nullptr;
    std::array<QAction*, link::kPresetCount> recallActions_{};
    std::array<QAction*, link::kPresetCount> storeActions_{};
    QSystemTrayIcon* tray_ = nullptr;
    std::function<bool()> trayAvailable_;

    StartupHold hold_;
    bool shownOnce_ = false;
    // The next close ends the program even where it would hide to the tray.
    bool quitting_ = false;
    bool minimiseToTray_ = false;
};

} // namespace orfa::panel
