#pragma once

#include "config/LocalKeys.h"
#include "config/NstValues.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace orfa::settings {

// The page "Ovládání": tray behaviour, the login at start and the send delay.
class ControlPage : public QWidget {
    Q_OBJECT
public:
    explicit ControlPage(QWidget* parent = nullptr);

    // SysTrayChb, MinimizeChb and ProdlevaE (the delay as text, shown and stored unchanged).
    void load(const config::LocalKeys& keys);
    void store(config::LocalKeys& keys) const;
    // LoginChb, a shared setting.
    void load(const config::NstValues& values);
    void store(config::NstValues& values) const;

private:
    QCheckBox* trayBox_ = nullptr;
    QCheckBox* minimizeOnCloseBox_ = nullptr;
    QCheckBox* loginAtStartBox_ = nullptr;
    QLineEdit* sendDelayField_ = nullptr;
};

} // namespace orfa::settings
