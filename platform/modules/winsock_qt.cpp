// The socket module: the TCP connections of platform/winsock.h on Qt Network.
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include "platform/winsock.h"

namespace vb {
namespace {

class QtWinsock final : public Winsock {
public:
    ~QtWinsock() override { Close(); }
    int State() const override;
    void Connect(const QString& host, int port) override;
    bool Listen(int port) override;
    void Adopt(QTcpSocket* socket) override;
    QTcpSocket* NextPendingConnection() override;
    bool SendData(const QString& text) override;
    QString GetData() override;
    int BytesReceived() const override;
    void Close() override;
    int LocalPort() const override;
    QString LocalIP() const override;

private:
    void wire();
    QPointer<QTcpSocket> socket_;
    QPointer<QTcpServer> server_;
};

int QtWinsock::State() const {
    if (server_ && server_->isListening()) return sckListening;
    if (!socket_) return sckClosed;
    switch (socket_->state()) {
    case QAbstractSocket::UnconnectedState: return socket_->error() == QAbstractSocket::UnknownSocketError ? sckClosed : sckError;
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState: return sckConnecting;
    case QAbstractSocket::ConnectedState: return sckConnected;
    case QAbstractSocket::ClosingState: return sckClosing;
    default: return sckOpen;
    }
}

void QtWinsock::wire() {
    if (!socket_) return;
    QObject::connect(socket_, &QTcpSocket::readyRead, socket_, [this] {
        if (onDataArrival) onDataArrival();
    });
    QObject::connect(socket_, &QTcpSocket::errorOccurred, socket_, [this] {
        if (onError) onError();
    });
}

void QtWinsock::Connect(const QString& host, int port) {
    Close();
    socket_ = new QTcpSocket;
    wire();
    socket_->connectToHost(host, static_cast<quint16>(port));
}

bool QtWinsock::Listen(int port) {
    Close();
    server_ = new QTcpServer;
    QObject::connect(server_, &QTcpServer::newConnection, server_, [this] {
        if (onConnectionRequest) onConnectionRequest();
    });
    return server_->listen(QHostAddress::Any, static_cast<quint16>(port));
}

void QtWinsock::Adopt(QTcpSocket* socket) {
    // The socket may belong to our own listening server, which Close ends.
    if (socket) socket->setParent(nullptr);
    Close();
    socket_ = socket;
    wire();
}

QTcpSocket* QtWinsock::NextPendingConnection() {
    return server_ ? server_->nextPendingConnection() : nullptr;
}

bool QtWinsock::SendData(const QString& text) {
    if (State() != sckConnected) return false;
    const QByteArray bytes = text.toLatin1();
    if (socket_->write(bytes) != bytes.size()) return false;
    socket_->flush();
    return true;
}

QString QtWinsock::GetData() {
    if (!socket_) return QString();
    return QString::fromLatin1(socket_->readAll());
}

int QtWinsock::BytesReceived() const {
    return socket_ ? static_cast<int>(socket_->bytesAvailable()) : 0;
}

void QtWinsock::Close() {
    // The objects go once control is back in an event loop: Close may be
    // called from inside one of their own signals.
    if (socket_) {
        QTcpSocket* s = socket_.data();
        socket_ = nullptr;
        s->disconnect();
        if (s->state() == QAbstractSocket::ConnectedState) {
            // What was sent still reaches the peer.
            if (s->bytesToWrite() > 0) s->waitForBytesWritten(500);
            s->disconnectFromHost();
        } else {
            s->abort();
        }
        s->deleteLater();
    }
    if (server_) {
        QTcpServer* srv = server_.data();
        server_ = nullptr;
        srv->disconnect();
        srv->close();
        srv->deleteLater();
    }
}

int QtWinsock::LocalPort() const {
    if (server_) return server_->serverPort();
    return socket_ ? socket_->localPort() : 0;
}

QString QtWinsock::LocalIP() const {
    if (socket_) return socket_->localAddress().toString();
    if (server_) return server_->serverAddress().toString();
    return QString();
}

}  // namespace
}  // namespace vb

extern "C" Q_DECL_EXPORT vb::Winsock* grisk_new_winsock() { return new vb::QtWinsock; }
