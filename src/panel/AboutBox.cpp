#include "panel/AboutBox.h"

#include "config/ProgramVersion.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "panel/AppIcon.h"
#include "panel/CaptionedLabel.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

namespace orfa::panel {

AboutBox::AboutBox(config::SettingsFile& settings, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("O programu"));
    auto* grid = new QGridLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(appIcon().pixmap(64, 64));
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    auto* title = new QLabel(QStringLiteral("<b>Orfa</b> – ovládání zesilovače"), this);
    grid->addWidget(title, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Verze:"), this), 1, 1);
    auto* version = new CaptionedLabel(QStringLiteral("Verze"), this);
    version->setShownText(settings.readText(config::keys::Verze, config::programVersion()));
    grid->addWidget(version, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Datum:"), this), 2, 1);
    auto* date = new CaptionedLabel(QStringLiteral("Datum"), this);
    date->setShownText(settings.readText(config::keys::Datum, config::keys::defaultReleaseDate()));
    grid->addWidget(date, 2, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, 3, 0, 1, 3);
}

void AboutBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

} // namespace orfa::panel
