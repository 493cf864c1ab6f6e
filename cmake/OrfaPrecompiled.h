// The headers most of our translation units include, precompiled once per
// target when ORFA_PCH is on (the test command's builds). Each target gets the
// Qt modules it links, as Qt's QT_*_LIB definitions tell, and no others.
// clang-tidy compiles every file without it, so a file that misses an
// include of its own still fails there.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#ifdef QT_CORE_LIB
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#endif

#ifdef QT_NETWORK_LIB
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#endif

#ifdef QT_WIDGETS_LIB
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>
#endif

#ifdef QT_TESTLIB_LIB
#include <QSignalSpy>
#include <QTest>
#endif
