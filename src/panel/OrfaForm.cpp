#include "panel/OrfaForm.h"

#include "config/SettingsKeys.h"
#include "data/DataModule.h"
#include "link/AnswerDecoder.h"
#include "link/CommandBuilder.h"
#include "link/Instructions.h"
#include "panel/AboutBox.h"
#include "panel/AppIcon.h"
#include "panel/ControlActions.h"
#include "panel/DatabaseUnreachableMessage.h"
#include "panel/InputsPage.h"
#include "panel/LoginAtStart.h"
#include "panel/OutputsPage.h"
#include "panel/PanelEnabling.h"
#include "panel/PanelSlider.h"
#include "panel/PowerStatusBar.h"
#include "panel/RadioBox.h"
#include "panel/Tag.h"
#include "settings/RunSettingsDialog.h"

#include "panel/PanelLog.h"

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
    , trayAvailable_(&QSystemTrayIcon::isSystemTrayAvailable)
    , requests_(model_, dataModule.link()) {
    setWindowTitle(QStringLiteral("Orfa - ovládání zesilovače"));
    setWindowIcon(appIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    pages_ = new QTabWidget(central);
    pages_->setTabPosition(QTabWidget::South);
    pages_->setAccessibleName(QStringLiteral("Stránky ovládání"));
    inputsPage_ = new InputsPage(pages_);
    outputPages_[0] = new OutputsPage(1, pages_);
    outputPages_[1] = new OutputsPage(9, pages_);
    pages_->addTab(inputsPage_, QStringLiteral("Vstupy"));
    pages_->addTab(outputPages_[0], QStringLiteral("Výstupy 1 až 8"));
    pages_->addTab(outputPages_[1], QStringLiteral("Výstupy 9 až 16"));
    row->addWidget(pages_, 1);

    auto* volume = new QVBoxLayout;
    volume->addWidget(new QLabel(QStringLiteral("+79dB"), central), 0, Qt::AlignHCenter);
    volTrackBar_ = new PanelSlider(0, 159, 150, central);
    volTrackBar_->setObjectName(QStringLiteral("VolTrackBar"));
    volTrackBar_->setTickPosition(QSlider::TicksBothSides);
    volTrackBar_->setTickInterval(2);
    volTrackBar_->setMark(80);
    volTrackBar_->setAccessibleName(QStringLiteral("Celková hlasitost"));
    volume->addWidget(volTrackBar_, 1, Qt::AlignHCenter);
    volume->addWidget(new QLabel(QStringLiteral("-79dB"), central), 0, Qt::AlignHCenter);
    row->addLayout(volume);
    setCentralWidget(central);

    statusBar_ = new PowerStatusBar(this);
    setStatusBar(statusBar_);

    display_ = std::make_unique<AnswerDisplay>(model_, *volTrackBar_, *radioMhzCaption());
    actions_ = new ControlActions(model_, data_.link(), requests_, this);
    actions_->attach(*inputsPage_, *outputPages_[0], *outputPages_[1], *volTrackBar_);
    buildMenus();
    buildTray();
    registerDisplayHandlers();

    link::AmpLink& link = data_.link();
    const auto showConnection = [this] {
        const link::AmpLink& shown = data_.link();
        statusBar_->showConnection(shown.connectionState(), shown.host(), shown.port());
    };
    showConnection();
    statusBar_->showSending(link.isSending());
    connect(&link, &link::AmpLink::connectionStateChanged, this, showConnection);
    connect(&link, &link::AmpLink::sendingChanged, statusBar_, &PowerStatusBar::showSending);
    connect(pages_, &QTabWidget::currentChanged, this, &OrfaForm::pageChanged);
    connect(statusBar_, &PowerStatusBar::doubleClicked, this, &OrfaForm::StatusBar1DblClick);

    setFixedSize(sizeHint());
}

OrfaForm::~OrfaForm() {
    link::AmpLink& link = data_.link();
    for (std::uint8_t signature :
         {link::kReadMasterVolume, link::kReadOutputLevels, link::kReadOutputSources,
          link::kReadInputParameters, link::kReadPower, link::kReadTunedFrequency})
        link.clearDisplayHandler(signature);
}

CaptionedLabel* OrfaForm::radioMhzCaption() const {
    return inputsPage_->radio()->frequencyLabel();
}

void OrfaForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Soubor"));
    powerAction_ = file->addAction(QStringLiteral("&Zapnutý zesilovač"));
    powerAction_->setCheckable(true);
    connect(powerAction_, &QAction::triggered, this, &OrfaForm::Zapnutzesilova1Click);
    file->addSeparator();
    connect(file->addAction(QStringLiteral("&Konec")), &QAction::triggered, this,
            &OrfaForm::Konec1Click);

    presetsMenu_ = menuBar()->addMenu(QStringLiteral("Předvolby"));
    for (int preset = 1; preset <= 8; ++preset) {
        QAction* activate = presetsMenu_->addAction(QStringLiteral("Aktivovat %1").arg(preset));
        setTag(activate, preset);
        connect(activate, &QAction::triggered, this,
                [this, preset] { actions_->Aktivovat81Click(preset); });
    }
    storeMenu_ = presetsMenu_->addMenu(QStringLiteral("Uložit do předvolby"));
    for (int preset = 1; preset <= 8; ++preset) {
        QAction* store = storeMenu_->addAction(QStringLiteral("P%1").arg(preset));
        setTag(store, preset);
        connect(store, &QAction::triggered, this, [this, preset] { actions_->P81Click(preset); });
    }

    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Nastavení"));
    optionsAction_ = settings->addAction(QStringLiteral("&Možnosti..."));
    connect(optionsAction_, &QAction::triggered, this, &OrfaForm::Monosti1Click);
    settings->addSeparator();
    connect(settings->addAction(QStringLiteral("&O programu...")), &QAction::triggered, this,
            &OrfaForm::Oprogramu1Click);
}

void OrfaForm::buildTray() {
    tray_ = new QSystemTrayIcon(appIcon(), this);
    tray_->setToolTip(QStringLiteral("Orfa"));
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick)
            Tray1Click();
    });
    showTrayIcon();
}

bool OrfaForm::showTrayIcon() {
    if (!trayAvailable_())
        return false;
    tray_->show();
    return true;
}

void OrfaForm::registerDisplayHandlers() {
    link::AmpLink& link = data_.link();
    link.setDisplayHandler(link::kReadMasterVolume, [this](const spinel::Bytes& frame) {
        display_->ZobrazCentralniHlasitost(frame.at(spinel::kFrame97DataOffset));
    });
    link.setDisplayHandler(link::kReadOutputLevels, [this](const spinel::Bytes& frame) {
        display_->ZobrazHlasitostVystupy(frame);
    });
    link.setDisplayHandler(link::kReadOutputSources, [this](const spinel::Bytes& frame) {
        display_->ZobrazPripojeneVstupy(frame);
    });
    link.setDisplayHandler(link::kReadInputParameters, [this](const spinel::Bytes& frame) {
        display_->ZobrazVstupniKonfiguraci(frame);
    });
    link.setDisplayHandler(link::kReadPower,
                           [this](const spinel::Bytes& frame) { ZobrazZapnutoVypnuto(frame); });
    link.setDisplayHandler(link::kReadTunedFrequency, [this](const spinel::Bytes& frame) {
        display_->ZobrazNaladeneRadio(frame);
    });
}

void OrfaForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    FormShow();
}

void OrfaForm::FormShow() {
    model_.PriradOvladaciPrvky(this);
    ukoncitProgram_ = false;
    statusBar_->setPanelText(PowerStatusBar::kPowerPanel, QString());

    if (!data_.databaseError().isEmpty()) {
        // Never all rights because the login flag could not be read: the
        // operator gets none and is told why.
        DatabaseUnreachableMessage::show(this, data_.databaseError(), data_.settings().filePath());
    } else if (data_.loginAtStart()) {
        ukoncitProgram_ = runLoginAtStart(data_, arguments_, this);
    } else {
        data_.grantAllRights();
    }

    NactiNazvyVstupuAVystupu();
    pages_->setTabVisible(kOutputs9Page, data_.readSixteenOutputs());

    int page = data_.settings().readInteger(config::keys::ActivePageOrfaForm, 0);
    if (page != kInputsPage && (page != kOutputs9Page || !pages_->isTabVisible(kOutputs9Page)))
        page = kOutputs1Page;
    {
        // Choosing the stored page must not request anything yet.
        const QSignalBlocker blocker(pages_);
        pages_->setCurrentIndex(page);
    }

    ZakazVsechnyOvladaciPrvky();
    optionsAction_->setEnabled(users::UserRights::granted(data_.rights().administration));
    requests_.NactiZapnutoVypnuto();
    if (ukoncitProgram_)
        ZavriOkno();
    readTrayOption();
    data_.readSendDelay();
    initPrgOk_ = true;
    if (pages_->currentIndex() == kInputsPage)
        VstupyShow();
    else
        TabSheet1Show();
    Q_EMIT started();
}

void OrfaForm::readTrayOption() {
    minimiseToTray_ = data_.settings().readFlag(config::keys::SysTrayChb, false);
}

void OrfaForm::pageChanged(int index) {
    if (index == kInputsPage)
        VstupyShow();
    else
        TabSheet1Show();
}

void OrfaForm::VstupyShow() {
    if (!initPrgOk_)
        return;
    model_.PriradOvladaciPrvky(this);
    requests_.NactiCentralniHlasitost();
    requests_.NactiVstupniKonfiguraci();
    requests_.NactiNaladeneRadio();
    requests_.NactiZapnutoVypnuto();
}

void OrfaForm::TabSheet1Show() {
    if (!initPrgOk_)
        return;
    model_.PriradOvladaciPrvky(this);
    requests_.NactiPripojeneVstupy();
    requests_.NactiHlasitostVystupy();
    requests_.NactiCentralniHlasitost();
    requests_.NactiZapnutoVypnuto();
}

void OrfaForm::ZakazVsechnyOvladaciPrvky() {
    panel::ZakazVsechnyOvladaciPrvky(model_, volTrackBar_, radioMhzCaption());
}

void OrfaForm::NactiNazvyVstupuAVystupu() {
    if (const auto names = data_.readIoNames()) {
        applyIoNames(model_, *names, data_.rights(),
                     data_.usesDatabase() ? LevelRule::FlagAndVolume
                                          : LevelRule::FlagMatrixAndVolume);
    }
}

void OrfaForm::PovolOvladaciPrvkyPodleNastaveni() {
    if (!data_.amplifierOn())
        return;
    NactiNazvyVstupuAVystupu();
    const users::UserRights& rights = data_.rights();
    volTrackBar_->setEnabled(users::UserRights::granted(rights.masterVolume));
    const bool radio = users::UserRights::granted(rights.radio);
    for (int r = 1; r <= PanelModel::kMemories; ++r) {
        if (QPushButton* button = model_.RadioTlac(r))
            button->setEnabled(radio);
    }
    radioMhzCaption()->setEnabled(radio);
    const bool activate = users::UserRights::granted(rights.activatePresets);
    presetsMenu_->setEnabled(activate);
    presetsMenu_->menuAction()->setVisible(activate);
    const bool store = users::UserRights::granted(rights.storePresets);
    storeMenu_->setEnabled(store);
    storeMenu_->menuAction()->setVisible(store);
}

void OrfaForm::ZobrazZapnutoVypnuto(const spinel::Bytes& frame) {
    data_.setAmplifierOn(false);
    switch (link::decodePowerState(frame)) {
    case link::PowerState::Off:
        statusBar_->setPanelText(PowerStatusBar::kPowerPanel, QStringLiteral("Vypnuto"));
        powerAction_->setChecked(false);
        break;
    case link::PowerState::On:
        statusBar_->setPanelText(PowerStatusBar::kPowerPanel, QStringLiteral("Zapnuto"));
        powerAction_->setChecked(true);
        data_.setAmplifierOn(true);
        PovolOvladaciPrvkyPodleNastaveni();
        break;
    case link::PowerState::Unknown:
        break;
    }
}

void OrfaForm::StatusBar1DblClick() {
    const bool switchOff =
        statusBar_->panelText(PowerStatusBar::kPowerPanel) == QStringLiteral("Zapnuto");
    link::AmpLink& link = data_.link();
    link.send(link::buildSetPower(link.signature(), !switchOff));
    statusBar_->setPanelText(PowerStatusBar::kPowerPanel,
                             switchOff ? QStringLiteral("Vypnuto") : QStringLiteral("Zapnuto"));
    powerAction_->setChecked(!switchOff);
    data_.setAmplifierOn(!switchOff);
    ZakazVsechnyOvladaciPrvky();
    PovolOvladaciPrvkyPodleNastaveni();
}

void OrfaForm::Konec1Click() {
    ukoncitProgram_ = true;
    close();
}

void OrfaForm::Oprogramu1Click() {
    AboutBox about(data_.settings(), this);
    about.exec();
}

void OrfaForm::Monosti1Click() {
    if (!users::UserRights::granted(data_.rights().administration))
        return;
    settings::runSettingsDialog(data_, this);
    NactiNazvyVstupuAVystupu();
    data_.loadUserRights(data_.rights().name);
    PovolOvladaciPrvkyPodleNastaveni();
    optionsAction_->setEnabled(users::UserRights::granted(data_.rights().administration));
    requests_.NactiZapnutoVypnuto();
    readTrayOption();
    data_.readSendDelay();
}

void OrfaForm::Tray1Click() {
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

void OrfaForm::ZavriOkno() {
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
    if (toTray && !ukoncitProgram_ && showTrayIcon()) {
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
