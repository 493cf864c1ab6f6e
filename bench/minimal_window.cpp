// An empty Qt Widgets window that connects to 127.0.0.1:<port> once shown.
#include <QApplication>
#include <QTcpSocket>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const quint16 port = argc > 1 ? static_cast<quint16>(QByteArray(argv[1]).toUInt()) : 7777;
    QWidget window;
    window.resize(730, 626);
    QTcpSocket socket;
    QTimer::singleShot(0, &window,
                       [&] { socket.connectToHost(QStringLiteral("127.0.0.1"), port); });
    window.show();
    return app.exec();
}
