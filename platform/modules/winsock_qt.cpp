// The socket module: the TCP connections of platform/winsock.h on Qt Network.
#include <QNetworkInterface>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>

#include "platform/winsock.h"

namespace vb {
namespace {

class QtWinsock final : public Winsock {
public:
    ~QtWinsock() override { Close(); }
    int State() const override;
    void Connect() override;
    int Listen() override;
    void Accept(Winsock& listener, int requestID) override;
    bool SendData(const QString& text) override;
    QString GetData() override;
    int BytesReceived() const override;
    void Close() override;
    int LocalPort() const override;
    void SetLocalPort(int port) override { port_ = port; }
    QString LocalIP() const override;

private:
    void wire();
    void queueDataArrival();
    void queueError(int number);
    QTcpSocket* takeRequest(int requestID);

    // Queued calls go to this object: they die with the socket.
    QObject events_;
    QPointer<QTcpSocket> socket_;
    QPointer<QTcpServer> server_;
    int port_ = 0;
    bool peerClosed_ = false;
    bool failed_ = false;
    bool wasConnected_ = false;
    bool dataQueued_ = false;
    int nextRequest_ = 0;
    int generation_ = 0;  // counts the closes: a queued event of an earlier connection is dropped
    std::map<int, QPointer<QTcpSocket>> requests_;
};

int QtWinsock::State() const {
    if (server_ && server_->isListening()) return sckListening;
    if (!socket_) return failed_ ? sckError : sckClosed;
    if (peerClosed_) return sckClosing;
    switch (socket_->state()) {
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState: return sckConnecting;
    case QAbstractSocket::ConnectedState: return sckConnected;
    case QAbstractSocket::ClosingState: return sckClosing;
    case QAbstractSocket::UnconnectedState: return failed_ ? sckError : sckClosed;
    default: return sckOpen;
    }
}

void QtWinsock::queueDataArrival() {
    if (dataQueued_) return;
    dataQueued_ = true;
    QMetaObject::invokeMethod(&events_, [this, gen = generation_] {
        // A socket closed since keeps its events to itself.
        if (gen != generation_) return;
        dataQueued_ = false;
        if (onDataArrival) onDataArrival(BytesReceived());
    }, Qt::QueuedConnection);
}

void QtWinsock::queueError(int number) {
    QMetaObject::invokeMethod(&events_, [this, number, gen = generation_] {
        if (gen != generation_) return;
        if (onError) onError(number, ErrorDescription(number));
    }, Qt::QueuedConnection);
}

void QtWinsock::wire() {
    if (!socket_) return;
    QObject::connect(socket_, &QTcpSocket::connected, &events_, [this] { wasConnected_ = true; });
    QObject::connect(socket_, &QTcpSocket::readyRead, &events_, [this] { queueDataArrival(); });
    QObject::connect(socket_, &QTcpSocket::disconnected, &events_, [this] {
        // The other side closed: what it sent is still there to take.
        peerClosed_ = true;
        queueDataArrival();
    });
    QObject::connect(socket_, &QTcpSocket::errorOccurred, &events_, [this](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::RemoteHostClosedError) {
            peerClosed_ = true;
            queueDataArrival();
            return;
        }
        int number = sckConnectionReset;
        if (!wasConnected_) {
            switch (e) {
            case QAbstractSocket::ConnectionRefusedError: number = sckConnectionRefused; break;
            case QAbstractSocket::HostNotFoundError: number = sckHostNotFound; break;
            case QAbstractSocket::SocketAccessError: number = sckPermissionDenied; break;
            case QAbstractSocket::AddressInUseError: number = sckAddressInUse; break;
            default: number = sckTimedOut; break;
            }
        }
        failed_ = true;
        queueError(number);
    });
}

void QtWinsock::Connect() {
    Close();
    socket_ = new QTcpSocket;
    wire();
    socket_->connectToHost(RemoteHost, static_cast<quint16>(RemotePort));
}

int QtWinsock::Listen() {
    Close();
    server_ = new QTcpServer;
    QObject::connect(server_, &QTcpServer::newConnection, &events_, [this] {
        // Each waiting connection is one request, raised from the event loop.
        while (server_ && server_->hasPendingConnections()) {
            QTcpSocket* s = server_->nextPendingConnection();
            s->setParent(nullptr);
            const int id = ++nextRequest_;
            requests_[id] = s;
            QMetaObject::invokeMethod(&events_, [this, id, gen = generation_] {
                if (gen != generation_) return;
                if (onConnectionRequest) onConnectionRequest(id);
                // A request nobody took is refused.
                auto it = requests_.find(id);
                if (it != requests_.end()) {
                    if (it->second) it->second->deleteLater();
                    requests_.erase(it);
                }
            }, Qt::QueuedConnection);
        }
    });
    if (server_->listen(QHostAddress::AnyIPv4, static_cast<quint16>(port_))) return 0;
    const int number = server_->serverError() == QAbstractSocket::SocketAccessError ? sckPermissionDenied
                                                                                    : sckAddressInUse;
    Close();
    return number;
}

QTcpSocket* QtWinsock::takeRequest(int requestID) {
    auto it = requests_.find(requestID);
    if (it == requests_.end()) return nullptr;
    QTcpSocket* s = it->second.data();
    requests_.erase(it);
    return s;
}

void QtWinsock::Accept(Winsock& listener, int requestID) {
    auto* from = dynamic_cast<QtWinsock*>(&listener);
    QTcpSocket* s = from ? from->takeRequest(requestID) : nullptr;
    Close();
    if (!s) return;
    socket_ = s;
    wasConnected_ = true;
    wire();
    // What arrived before the connection was taken.
    if (s->state() != QAbstractSocket::ConnectedState) {
        peerClosed_ = true;
        queueDataArrival();
    } else if (s->bytesAvailable() > 0) {
        queueDataArrival();
    }
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
        s->disconnect(&events_);
        if (s->state() == QAbstractSocket::ConnectedState) {
            // What was sent still reaches the peer.
            s->disconnectFromHost();
        } else {
            s->abort();
        }
        s->deleteLater();
    }
    if (server_) {
        QTcpServer* srv = server_.data();
        server_ = nullptr;
        srv->disconnect(&events_);
        srv->close();
        srv->deleteLater();
    }
    for (auto& [id, s] : requests_)
        if (s) s->deleteLater();
    requests_.clear();
    peerClosed_ = false;
    failed_ = false;
    wasConnected_ = false;
    dataQueued_ = false;
    ++generation_;
}

int QtWinsock::LocalPort() const {
    if (server_) return server_->serverPort();
    if (socket_ && socket_->localPort() != 0) return socket_->localPort();
    return port_;
}

QStringList addresses() {
    QStringList out;
    QStringList loopback;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.protocol() != QAbstractSocket::IPv4Protocol) continue;
        (a.isLoopback() ? loopback : out) << a.toString();
    }
    return out + loopback;
}

QString QtWinsock::LocalIP() const {
    const QStringList all = addresses();
    return all.isEmpty() ? QString() : all.first();
}

}  // namespace
}  // namespace vb

extern "C" Q_DECL_EXPORT vb::Winsock* grisk_new_winsock() { return new vb::QtWinsock; }
extern "C" Q_DECL_EXPORT void grisk_host_addresses(QStringList* out) {
    if (out) *out = vb::addresses();
}
