// The other machine of a two-player Internet game, played by the test over a
// real loopback connection.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/dispatcher.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/winsock.h"

namespace grisk_test {

// Takes what arrived on sock into buffer and hands each whole line, its
// line feed taken off, to take.
inline void TakeLines(QTcpSocket* sock, QString& buffer, const std::function<void(const QString&)>& take) {
    buffer += QString::fromLatin1(sock->readAll());
    for (qsizetype lf; (lf = buffer.indexOf('\n')) >= 0;) {
        const QString line = buffer.left(lf);
        buffer.remove(0, lf + 1);
        take(line);
    }
}

// The other machine of a two-player game: one connection, every line it
// gets recorded and answered by the test's script.
class FakePeer {
public:
    void connect(int index) {
        ASSERT_TRUE(server_.listen(QHostAddress::LocalHost));
        grisk::Winsock1(index).RemoteHost = "127.0.0.1";
        grisk::Winsock1(index).RemotePort = server_.serverPort();
        grisk::Winsock1(index).Connect();
        ASSERT_TRUE(server_.waitForNewConnection(5000));
        sock_ = server_.nextPendingConnection();
        QObject::connect(sock_, &QTcpSocket::readyRead, sock_, [this] { take(); });
        for (int spin = 0; spin < 500 && !grisk::SocketConnected(index); ++spin)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_TRUE(grisk::SocketConnected(index));
    }
    void send(const QString& line) {
        sock_->write((line + "\n").toLatin1());
        sock_->flush();
    }
    void hangUp() { sock_->disconnectFromHost(); }
    // Waits for this machine to close the connection.
    bool closedByThem() {
        for (int spin = 0; spin < 500 && sock_ && sock_->state() == QAbstractSocket::ConnectedState; ++spin)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return !sock_ || sock_->state() != QAbstractSocket::ConnectedState;
    }
    // The codes of the lines received, once n have arrived (or after a while).
    QStringList codes(int n) {
        for (int spin = 0; spin < 500 && lines.size() < n; ++spin)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return codes();
    }
    QStringList codes() const {
        QStringList out;
        for (const QString& l : lines) out << l.left(2);
        return out;
    }

    QStringList lines;
    std::function<void(const QString&)> onLine;

private:
    void take() {
        TakeLines(sock_, buffer_, [this](const QString& line) {
            lines << line;
            if (onLine) onLine(line);
        });
    }
    QTcpServer server_;
    QPointer<QTcpSocket> sock_;
    QString buffer_;
};

// An Internet game of two players: this machine (the host or the remote
// player) and the test's peer on connection 1.
// The host's peer is on element 1; a client's host on element 0. Both have
// exchanged their hellos and names.
inline void StartTwoPlayerGame(FakePeer& peer, int isHost, const QString& peerVersion) {
    const int index = isHost == 1 ? 1 : 0;
    grisk::inet.NetPeers = 1;
    grisk::inet.IsHost = isHost;
    grisk::inet.NetSlotCount = isHost == 1 ? 1 : 0;
    grisk::inet.NetSockIndex = index;
    grisk::inet.MySeat = 1;
    grisk::inet.PeerVersion = peerVersion;
    if (isHost == 1) grisk::inet.NetSlots(1) = grisk::NetSlot{grisk::eng.Player2.Name, 1, 7, 1, {}};
    grisk::NetHandshakeDone(index);
    peer.connect(index);
}

// For its lifetime the turn cycle plays no remote player's turn (or only
// the first `turnsPlayed`): it stops at the next remote seat it reaches, as
// the program closing stops it, so that a test of what comes before sees
// where the turn went.
class RemoteTurnsStop {
public:
    explicit RemoteTurnsStop(int turnsPlayed = 0) {
        grisk::TurnWatch watch;
        watch.before = [this, turnsPlayed](int seat) {
            if (played_ < turnsPlayed) {
                ++played_;
                return;
            }
            reached = seat;
            grisk::eng.Quitting = true;
        };
        grisk::SetTurnWatch(watch);
    }
    ~RemoteTurnsStop() {
        grisk::SetTurnWatch({});
        grisk::eng.Quitting = false;
    }
    RemoteTurnsStop(const RemoteTurnsStop&) = delete;
    RemoteTurnsStop& operator=(const RemoteTurnsStop&) = delete;
    int reached = 0;  // the remote seat the cycle stopped at; 0 none

private:
    int played_ = 0;
};

// A wait that never ends fails the test instead of hanging it: after 20 s
// the program is told to close, which ends every wait.
inline void FailWaitsThatNeverEnd(QObject& owner, const char* what) {
    QTimer::singleShot(20000, &owner, [what] {
        ADD_FAILURE() << what << " waited too long";
        grisk::eng.Quitting = true;
        waits::WakeAll();
    });
}

}  // namespace grisk_test
