#include "panel/OrfaForm.h"

#include "config/SettingsKeys.h"
#include "data/DataModule.h"
#include "data/OutputGroups.h"
#include "link/Instructions.h"
#include "link/ValueCodec.h"
#include "panel/AboutBox.h"
#include "panel/AppIcon.h"
#include "panel/CaptionedLabel.h"
#include "panel/ControlEnabling.h"
#include "panel/DatabaseUnreachableMessage.h"
#include "panel/InputsPage.h"
#include "panel/LoginAtStart.h"
#include "panel/ModelBinding.h"
#include "panel/OutputStrip.h"
#include "panel/OutputsPage.h"
#include "panel/PanelLog.h"
#include "panel/PanelSlider.h"
#include "panel/PowerStatusBar.h"
#include "panel/RadioBox.h"
#include "settings/RunSettingsDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orfa::panel {
namespace {

// Posted to the window to close it once the current step has returned.
const QEvent::Type kCloseRequest = static_cast<QEvent::Type>(QEvent::User + 1);

} // namespace

OrfaForm::OrfaForm(data::DataModule& dataModule, QStringList arguments, QWidget* parent)
    : QMainWindow(parent)
    , data_(dataModule)
    , arguments_(std::move(arguments))
    , trayAvailable_(&QSystemTrayIcon::isSystemTrayAvailable) {
    setWindowTitle(QStringLiteral("Orfa - ovládání zesilovače"));
    setWindowIcon(appIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // Until the start-up sequence has ended hold_ keeps back all but the power switch.
    buildPages();
    statusBar_ = new PowerStatusBar(this);
    setStatusBar(statusBar_);
    buildMenus();
    buildTray();
    bindToAmplifier();

    link::AmpLink& link = data_.link();
    const auto showConnection = [this] {
        const link::AmpLink& shown = data_.link();
        statusBar_->showConnection(shown.connectionState(), shown.host(), shown.port());
    };
    showConnection();
    statusBar_->showSending(link.isSending());
    connect(&link, &link::AmpLink::connectionStateChanged, this, showConnection);
    connect(&link, &link::AmpLink::sendingChanged, statusBar_, &PowerStatusBar::showSending);
    connect(pages_, &QTabWidget::currentChanged, this, &OrfaForm::refreshCurrentPage);
    connect(statusBar_, &PowerStatusBar::doubleClicked, this, &OrfaForm::togglePower);

    setFixedSize(sizeHint());
}

OutputStrip* OrfaForm::outputStrip(int output) {
    buildOutputPage(static_cast<std::size_t>((output - 1) / OutputsPage::kStrips));
    return strips_.at(static_cast<std::size_t>(output - 1));
}

void OrfaForm::buildOutputPage(std::size_t page) {
    OutputsPage& outputs = *outputPages_.at(page);
    if (outputs.isBuilt())
        return;
    outputs.build();
    OutputStrips built{};
    for (int i = 0; i < OutputsPage::kStrips; ++i) {
        const int output = outputs.firstOutput() + i;
        const auto index = static_cast<std::size_t>(output - 1);
        strips_.at(index) = built.at(index) = outputs.strip(output);
        bindOutputStrip(*outputs.strip(output), amplifierAccess());
    }
    if (!shownOnce_)
        return;
    // As the start-up sequence and what followed left the other strips.
    disableOutputStrips(built);
    if (appliedNames_) {
        applyOutputNames(built, appliedNames_->names, appliedNames_->rights,
                         appliedNames_->levelRule);
    }
    if (!controlsEnabled_)
        disableOutputStrips(built);
}

InputBox* OrfaForm::inputBox(int box) const {
    return inputsPage_->box(box);
}

RadioBox* OrfaForm::radio() const {
    return inputsPage_->radio();
}

CaptionedLabel* OrfaForm::frequencyLabel() const {
    return radio()->frequencyLabel();
}

void OrfaForm::buildPages() {
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    pages_ = new QTabWidget(central);
    pages_->setTabPosition(QTabWidget::South);
    pages_->setAccessibleName(QStringLiteral("Stránky ovládání"));
    inputsPage_ = new InputsPage(pages_);
    outputPages_[0] = new OutputsPage(1, pages_);
    // The second output page waits until it is shown (many sites have eight
    // outputs and hide it); the first, of the same size, sizes the window.
    outputPages_[1] = new OutputsPage(1 + OutputsPage::kStrips, pages_);
    outputPages_[0]->build();
    for (int n = 1; n <= OutputsPage::kStrips; ++n)
        strips_.at(static_cast<std::size_t>(n - 1)) = outputPages_[0]->strip(n);
    pages_->addTab(inputsPage_, QStringLiteral("Vstupy"));
    pages_->addTab(outputPages_[0], QStringLiteral("Výstupy 1 až 8"));
    pages_->addTab(outputPages_[1], QStringLiteral("Výstupy 9 až 16"));
    row->addWidget(pages_, 1);
    buildMasterVolume(central, row);
    setCentralWidget(central);
}

void OrfaForm::buildMasterVolume(QWidget* central, QBoxLayout* row) {
    auto* volume = new QVBoxLayout;
    volume->addWidget(new QLabel(QStringLiteral("+79dB"), central), 0, Qt::AlignHCenter);
    masterVolume_ = new PanelSlider(0, link::kMasterVolumeMaxPosition, central);
    masterVolume_->setObjectName(QStringLiteral("masterVolume"));
    masterVolume_->setTickPosition(QSlider::TicksBothSides);
    masterVolume_->setTickInterval(2);
    masterVolume_->setMark(80); // 0 dB
    masterVolume_->setAccessibleName(QStringLiteral("Celková hlasitost"));
    volume->addWidget(masterVolume_, 1, Qt::AlignHCenter);
    volume->addWidget(new QLabel(QStringLiteral("-79dB"), central), 0, Qt::AlignHCenter);
    row->addLayout(volume);
}

void OrfaForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Soubor"));
    powerAction_ = file->addAction(QStringLiteral("&Zapnutý zesilovač"));
    powerAction_->setCheckable(true);
    connect(powerAction_, &QAction::triggered, this, &OrfaForm::togglePower);
    file->addSeparator();
    connect(file->addAction(QStringLiteral("&Konec")), &QAction::triggered, this, &OrfaForm::quit);

    buildPresetMenus();

    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Nastavení"));
    optionsAction_ = settings->addAction(QStringLiteral("&Možnosti..."));
    connect(optionsAction_, &QAction::triggered, this, &OrfaForm::openSettings);
    settings->addSeparator();
    connect(settings->addAction(QStringLiteral("&O programu...")), &QAction::triggered, this,
            &OrfaForm::showAbout);
}

// A preset item counts whichever way it is triggered: the mouse, the keys, or
// assistive technology's press action, which reaches the items of a closed
// menu too; an item is therefore disabled with its menu.
void OrfaForm::buildPresetMenus() {
    presetsMenu_ = menuBar()->addMenu(QStringLiteral("Předvolby"));
    for (int preset = 1; preset <= link::kPresetCount; ++preset) {
        QAction* recall = presetsMenu_->addAction(QStringLiteral("Aktivovat %1").arg(preset));
        recallActions_.at(static_cast<std::size_t>(preset - 1)) = recall;
        connect(recall, &QAction::triggered, this, [this, preset] {
            if (!hold_.holds())
                data_.control().recallPreset(access_, preset);
        });
    }
    storeMenu_ = presetsMenu_->addMenu(QStringLiteral("Uložit do předvolby"));
    for (int preset = 1; preset <= link::kPresetCount; ++preset) {
        QAction* store = storeMenu_->addAction(QStringLiteral("P%1").arg(preset));
        storeActions_.at(static_cast<std::size_t>(preset - 1)) = store;
        connect(store, &QAction::triggered, this, [this, preset] {
            if (!hold_.holds())
                data_.control().storePreset(access_, preset);
        });
    }
}

void OrfaForm::buildTray() {
    tray_ = new QSystemTrayIcon(appIcon(), this);
    tray_->setToolTip(QStringLiteral("Orfa"));
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick)
            showFromTray();
    });
    showTrayIcon();
}

AmplifierAccess OrfaForm::amplifierAccess() {
    return {data_.amplifier(), data_.control(), hold_, access_};
}

void OrfaForm::bindToAmplifier() {
    const AmplifierAccess access = amplifierAccess();
    for (int k = 1; k <= link::kInputBoxCount; ++k)
        bindInputBox(*inputBox(k), access);
    bindRadio(*radio(), access);
    for (OutputStrip* strip : strips_) {
        if (strip)
            bindOutputStrip(*strip, access);
    }
    bindMasterVolume(*masterVolume_, access);

    model::AmplifierModel& amplifier = data_.amplifier();
    showPower(amplifier.power());
    connect(&amplifier, &model::AmplifierModel::powerChanged, this, [this](link::PowerState power) {
        showPower(power);
        enableControlsByRights();
    });
    statusBar_->showUnconfirmed(amplifier.unconfirmedItems());
    connect(&amplifier, &model::AmplifierModel::unconfirmedChanged, this,
            [this] { statusBar_->showUnconfirmed(data_.amplifier().unconfirmedItems()); });
}

bool OrfaForm::showTrayIcon() {
    if (!trayAvailable_())
        return false;
    tray_->show();
    return true;
}

void OrfaForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    runStartup();
}

void OrfaForm::runStartup() {
    quitting_ = false;
    logIn();
    applyNames();
    pages_->setTabVisible(kOutputs9Page, data_.readSixteenOutputs());
    selectStoredPage();
    disableAllControls();
    optionsAction_->setEnabled(users::UserRights::granted(data_.rights().administration));
    if (quitting_)
        closeLater();
    readTrayOption();
    data_.readSendDelay();
    finishStartup();
}

void OrfaForm::logIn() {
    if (!data_.databaseError().isEmpty()) {
        // Never all rights because the login flag could not be read: the
        // operator gets none and is told why.
        DatabaseUnreachableMessage::show(this, data_.databaseError(), data_.settings().filePath());
    } else if (data_.loginAtStart()) {
        quitting_ = runLoginAtStart(data_, arguments_, this);
    } else {
        data_.grantAllRights();
    }
}

void OrfaForm::selectStoredPage() {
    int page = data_.settings().readInteger(config::keys::ActivePageOrfaForm, 0);
    if (page != kInputsPage && (page != kOutputs9Page || !pages_->isTabVisible(kOutputs9Page)))
        page = kOutputs1Page;
    // Choosing the stored page must not request anything yet.
    const QSignalBlocker blocker(pages_);
    pages_->setCurrentIndex(page);
}

void OrfaForm::finishStartup() {
    hold_.release();
    // The power state first: the page's own request for it then takes its slot.
    data_.control().read({model::Reading::Power});
    refreshCurrentPage();
    Q_EMIT started();
}

void OrfaForm::readTrayOption() {
    minimiseToTray_ = data_.settings().readFlag(config::keys::SysTrayChb, false);
}

void OrfaForm::refreshCurrentPage() {
    if (pages_->currentIndex() == kOutputs9Page)
        buildOutputPage(1);
    // Names, flags and groups anew at each page shown, so that the panel
    // follows what another panel of the site has configured.
    enableControlsByRights();
    if (pages_->currentIndex() == kInputsPage)
        refreshInputsPage();
    else
        refreshOutputsPage();
}

void OrfaForm::refreshInputsPage() {
    if (!hold_.holds())
        data_.control().read({model::Reading::MasterVolume, model::Reading::InputParameters,
                              model::Reading::TunedFrequency, model::Reading::Power});
}

void OrfaForm::refreshOutputsPage() {
    if (!hold_.holds())
        data_.control().read({model::Reading::OutputSources, model::Reading::OutputLevels,
                              model::Reading::MasterVolume, model::Reading::Power});
}

void OrfaForm::updateAccess() {
    if (appliedNames_)
        access_ = users::OperatorAccess(appliedNames_->names, appliedNames_->rights,
                                        appliedNames_->levelRule);
}

void OrfaForm::disableAllControls() {
    panel::disableAllControls(*inputsPage_, strips_, *masterVolume_);
    controlsEnabled_ = false;
}

void OrfaForm::applyNames() {
    auto names = data_.readIoNames();
    if (!names)
        return;
    const users::LevelRule levelRule = data_.usesDatabase() ? users::LevelRule::FlagAndVolume
                                                            : users::LevelRule::FlagMatrixAndVolume;
    applyIoNames(*inputsPage_, strips_, *names, data_.rights(), levelRule);
    data::applyOutputGroups(data_.amplifier(), *names);
    appliedNames_ = AppliedNames{std::move(*names), data_.rights(), levelRule};
    updateAccess();
    controlsEnabled_ = true;
}

void OrfaForm::enableControlsByRights() {
    if (data_.amplifier().power() != link::PowerState::On)
        return;
    applyNames();
    const users::UserRights& rights = data_.rights();
    allowControl(*masterVolume_, users::UserRights::granted(rights.masterVolume));
    const bool radioAllowed = users::UserRights::granted(rights.radio);
    for (int r = 1; r <= link::kRadioMemoryCount; ++r)
        allowControl(*radio()->memoryButton(r), radioAllowed);
    allowControl(*frequencyLabel(), radioAllowed);
    enablePresetMenus(rights);
}

void OrfaForm::enablePresetMenus(const users::UserRights& rights) {
    const bool recall = users::UserRights::granted(rights.activatePresets);
    presetsMenu_->setEnabled(recall);
    presetsMenu_->menuAction()->setVisible(recall);
    for (QAction* action : recallActions_)
        action->setEnabled(recall);
    const bool store = users::UserRights::granted(rights.storePresets);
    storeMenu_->setEnabled(store);
    storeMenu_->menuAction()->setVisible(store);
    for (QAction* action : storeActions_)
        action->setEnabled(store);
}

void OrfaForm::showPower(link::PowerState power) {
    statusBar_->showPower(power);
    powerAction_->setChecked(power == link::PowerState::On);
}

void OrfaForm::togglePower() {
    disableAllControls();
    // Switched on, the model's power change enables them again.
    data_.control().togglePower();
}

void OrfaForm::quit() {
    quitting_ = true;
    close();
}

void OrfaForm::showAbout() {
    AboutBox about(data_.settings(), this);
    about.exec();
}

void OrfaForm::openSettings() {
    if (!users::UserRights::granted(data_.rights().administration))
        return;
    settings::runSettingsDialog(data_, this);
    applyNames();
    data_.loadUserRights(data_.rights().name);
    enableControlsByRights();
    optionsAction_->setEnabled(users::UserRights::granted(data_.rights().administration));
    if (!hold_.holds())
        data_.control().read({model::Reading::Power});
    readTrayOption();
    data_.readSendDelay();
}

void OrfaForm::showFromTray() {
    bringToFront();
}

void OrfaForm::activateFromSecondInstance() {
    qCInfo(lcPanel) << "brought to the front by a second copy";
    bringToFront();
}

void OrfaForm::bringToFront() {
    if (isMinimized() || !isVisible())
        showNormal();
    raise();
    activateWindow();
}

void OrfaForm::closeLater() {
    QCoreApplication::postEvent(this, new QEvent(kCloseRequest));
}

void OrfaForm::customEvent(QEvent* event) {
    if (event->type() == kCloseRequest) {
        close();
        return;
    }
    QMainWindow::customEvent(event);
}

void OrfaForm::closeEvent(QCloseEvent* event) {
    try {
        data_.settings().writeInteger(config::keys::ActivePageOrfaForm, pages_->currentIndex());
    } catch (const std::exception& error) {
        // The page is only a convenience; closing must not fail for it.
        qCWarning(lcPanel) << "cannot store the active page:" << error.what();
    }
    const bool toTray = data_.settings().readFlag(config::keys::MinimizeChb, false);
    if (toTray && !quitting_ && showTrayIcon()) {
        event->ignore();
        hide();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

void OrfaForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && minimiseToTray_ && isMinimized() &&
        showTrayIcon())
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
}

} // namespace orfa::panel
