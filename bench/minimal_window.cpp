// The floors the panel's start-up is measured against: an empty Qt Widgets
// window, or with "text" a main window holding one label, one menu and a
// status bar message, the least a window with words in it needs (the font
// database, a font and text shaping). Either connects to 127.0.0.1:<port>
// once shown.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTcpSocket>
#include <QTimer>

namespace {

int showAndConnect(QApplication& app, QWidget& window, quint16 port) {
    window.resize(730, 626);
    QTcpSocket socket;
    QTimer::singleShot(0, &window,
                       [&] { socket.connectToHost(QStringLiteral("127.0.0.1"), port); });
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const quint16 port = argc > 1 ? static_cast<quint16>(QByteArray(argv[1]).toUInt()) : 7777;
    if (argc > 2 && QByteArray(argv[2]) == "text") {
        QMainWindow window;
        window.setCentralWidget(new QLabel(QStringLiteral("Hlasitost výstupu 1"), &window));
        window.menuBar()->addMenu(QStringLiteral("&Soubor"))->addAction(QStringLiteral("&Konec"));
        window.statusBar()->showMessage(QStringLiteral("Odpojeno"));
        return showAndConnect(app, window, port);
    }
    QWidget window;
    return showAndConnect(app, window, port);
}
