#include "frontend/ui/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace quillon {

namespace {

constexpr int CONNECT_MILLISECONDS = 1000;
constexpr const char* FRONT_REQUEST = "front\n";

}  // namespace

QString SingleInstance::DefaultServerName() {
#ifdef Q_OS_UNIX
    return QStringLiteral("quillon-front-end-%1").arg(static_cast<qulonglong>(::getuid()));
#else
    return QStringLiteral("quillon-front-end-%1").arg(qEnvironmentVariable("USERNAME"));
#endif
}

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), serverName(std::move(name)) {}

bool SingleInstance::SignalRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(CONNECT_MILLISECONDS)) {
        return false;
    }
    socket.write(FRONT_REQUEST);
    socket.waitForBytesWritten(CONNECT_MILLISECONDS);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::RunningCopyAnswers() {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    const bool answers = socket.waitForConnected(CONNECT_MILLISECONDS);
    socket.disconnectFromServer();
    return answers;
}

bool SingleInstance::Listen() {
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(serverName)) {
        // A copy that crashed leaves its socket file behind; nobody answered on it, so it goes.
        QLocalServer::removeServer(serverName);
        if (!server->listen(serverName)) {
            return false;
        }
    }
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            const auto readRequest = [this, socket] {
                if (socket->readAll().startsWith("front")) {
                    emit BringToFrontRequested();
                }
            };
            connect(socket, &QLocalSocket::readyRead, this, readRequest);
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // The request may have arrived before the connection was taken.
            if (socket->bytesAvailable() > 0) {
                readRequest();
            }
        }
    });
    return true;
}

}  // namespace quillon
