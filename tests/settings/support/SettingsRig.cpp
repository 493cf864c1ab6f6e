#include "settings/support/SettingsRig.h"

#include "support/WriteSettingsFile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

void clickIndicator(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

SettingsRig::SettingsRig(const QStringList& lines, bool withAmplifier) {
    orfa::test::writeSettingsFile(dir_.path(), withAmplifier ? linkLines() + lines : lines);
    restart();
}

void SettingsRig::restart() {
    form_.reset();
    store_.reset();
    data_.reset();
    data_ = std::make_unique<orfa::data::DataModule>(dir_.path());
    store_ = std::make_unique<orfa::users::CentralSettingsDatabase>(data_->database(),
                                                                    data_->settings());
}

SettingsRig::~SettingsRig() {
    form_.reset();
}

orfa::settings::SettingsDialog& SettingsRig::open() {
    form_ = std::make_unique<orfa::settings::SettingsDialog>(*data_, *store_, messages_);
    form_->show();
    return *form_;
}

bool SettingsRig::pressOk() {
    QTest::mouseClick(form_->okButton(), Qt::LeftButton);
    const bool accepted = form_->result() == QDialog::Accepted && !form_->isVisible();
    destroyForm();
    return accepted;
}

bool SettingsRig::pressCancel() {
    QTest::keyClick(form_.get(), Qt::Key_Escape);
    const bool rejected = form_->result() == QDialog::Rejected && !form_->isVisible();
    destroyForm();
    return rejected;
}

void SettingsRig::destroyForm() {
    form_.reset();
}

QCheckBox* SettingsRig::checkBox(const QString& name) const {
    auto* box = control<QCheckBox>(name);
    if (!box)
        qFatal("no check box %s", qPrintable(name));
    return box;
}

QLineEdit* SettingsRig::lineEdit(const QString& name) const {
    auto* field = control<QLineEdit>(name);
    if (!field)
        qFatal("no text field %s", qPrintable(name));
    return field;
}

QString SettingsRig::settingsPath() const {
    return dir_.filePath(QStringLiteral("Orfa.ini"));
}

QByteArray SettingsRig::settingsBytes() const {
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList SettingsRig::keysInFile() const {
    QStringList keys;
    const QStringList lines = QString::fromUtf8(settingsBytes()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            keys << line.left(equals).trimmed();
    }
    return keys;
}

QString SettingsRig::valueInFile(const QString& key) const {
    const QStringList lines = QString::fromUtf8(settingsBytes()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && line.left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return QString();
}
