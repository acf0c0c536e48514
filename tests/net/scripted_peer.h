// Another machine of an Internet game, played by the test over a real
// loop-back connection: it joins this machine's game as a client, or hosts
// a game this machine joins, and answers the lines it gets by a script.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <map>

#include "engine/fake_peer.h"
#include "support/test_support.h"

namespace grisk_test {

class ScriptedPeer {
public:
    // Joins a game hosted on port of this machine.
    void join(int port) {
        sock_ = new QTcpSocket;
        wire();
        sock_->connectToHost("127.0.0.1", static_cast<quint16>(port));
    }
    // Hosts a game; the port to join. onJoined runs once this machine is in.
    int host(std::function<void()> onJoined = {}) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this, onJoined] {
            sock_ = server_.nextPendingConnection();
            wire();
            if (onJoined) onJoined();
        });
        return server_.serverPort();
    }
    void send(const QString& text) {
        if (sock_) {
            sock_->write(text.toLatin1());
            sock_->flush();
        }
    }
    void sendLine(const QString& line) { send(line + "\n"); }
    void hangUp() {
        if (sock_) sock_->disconnectFromHost();
    }
    bool connected() const { return sock_ && sock_->state() == QAbstractSocket::ConnectedState; }
    // True once this machine has closed the connection.
    bool closedByThem() {
        return RunEventsUntil([this] { return !sock_ || sock_->state() == QAbstractSocket::UnconnectedState; });
    }
    // Waits until n lines have come (or a great many rounds have passed).
    bool got(int n) {
        return RunEventsUntil([this, n] { return lines.size() >= n; });
    }

    QStringList lines;
    // The answer to a line by its code ("" none); a code absent from the
    // script is not answered.
    std::map<QString, QString> answers;
    // Runs for each line after the answer.
    std::function<void(const QString&)> onLine;

    ~ScriptedPeer() {
        if (sock_) sock_->abort();
        delete sock_.data();
    }

private:
    void wire() {
        QObject::connect(sock_, &QTcpSocket::readyRead, sock_, [this] { take(); });
    }
    void take() {
        TakeLines(sock_, buffer_, [this](const QString& line) {
            lines << line;
            const auto a = answers.find(line.left(2));
            if (a != answers.end() && !a->second.isEmpty()) sendLine(a->second);
            if (onLine) onLine(line);
        });
    }
    QTcpServer server_;
    QPointer<QTcpSocket> sock_;
    QString buffer_;
};

// A port nobody listens on now.
inline int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::Any);
    return probe.serverPort();
}

}  // namespace grisk_test
