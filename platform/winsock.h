// A TCP connection with the states, calls and events of the old socket
// control: State 0 closed, 1 open, 2 listening, 6 connecting, 7 connected,
// 8 closing (the other side closed; it stays 8 until Close), 9 error. The
// sockets themselves live in the socket module (Qt Network), loaded when the
// first socket is made; see platform/late_module.h.
//
// Events. The socket's own signals only note what happened; the event is
// raised by a queued call from the event loop (or from inside any wait that
// lets events run). So a handler may show a box or wait: what arrives
// meanwhile is raised once the running handler has let events run again,
// never lost and never out of order.
//   onConnectionRequest(requestID): a listening socket has a connection to
//     take (Accept it on another socket).
//   onDataArrival(bytesTotal): text waits to be taken with GetData; also
//     raised (with 0) once when the other side closed, the State then 8.
//   onError(number, description): the connection failed; number as the
//     old control gave them: 10013 permission denied (a port below 1024),
//     10048 address in use, 10054 connection reset, 10060 timed out,
//     10061 connection refused, 11001 host not found.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace vb {

class Winsock {
public:
    enum State { sckClosed = 0, sckOpen = 1, sckListening = 2, sckConnecting = 6,
                 sckConnected = 7, sckClosing = 8, sckError = 9 };
    enum ErrorNumber { sckPermissionDenied = 10013, sckAddressInUse = 10048, sckConnectionReset = 10054,
                       sckTimedOut = 10060, sckConnectionRefused = 10061, sckHostNotFound = 11001 };

    Winsock() = default;
    virtual ~Winsock() = default;
    Winsock(const Winsock&) = delete;
    Winsock& operator=(const Winsock&) = delete;

    virtual int State() const = 0;
    // Connects to RemoteHost on RemotePort; the outcome comes as a State of
    // 7 or an Error event.
    virtual void Connect() = 0;
    // Listens on LocalPort (on every address): 0, or the error number of a
    // refusal (10048 the port is in use, 10013 not allowed); the State then
    // stays 0.
    virtual int Listen() = 0;
    // Takes over the connection requestID of the listening socket listener.
    virtual void Accept(Winsock& listener, int requestID) = 0;
    // Sends the text as Latin-1 bytes; false when not connected.
    virtual bool SendData(const QString& text) = 0;
    // Everything received so far, taken out of the buffer.
    virtual QString GetData() = 0;
    virtual int BytesReceived() const = 0;
    virtual void Close() = 0;
    // The port this socket listens or is connected on (0: any).
    virtual int LocalPort() const = 0;
    virtual void SetLocalPort(int port) = 0;
    // The address of this machine, "" when it has none.
    virtual QString LocalIP() const = 0;

    QString RemoteHost;
    int RemotePort = 0;

    std::function<void(int requestID)> onConnectionRequest;
    std::function<void(int bytesTotal)> onDataArrival;
    std::function<void(int number, const QString& description)> onError;
};

// The old control's description of an error number (the socket module
// raises its errors with it too).
inline QString ErrorDescription(int number) {
    switch (number) {
    case Winsock::sckPermissionDenied: return QStringLiteral("Permission denied");
    case Winsock::sckAddressInUse: return QStringLiteral("Address in use");
    case Winsock::sckConnectionReset: return QStringLiteral("Connection reset by peer");
    case Winsock::sckTimedOut: return QStringLiteral("Connection timed out");
    case Winsock::sckConnectionRefused: return QStringLiteral("Connection refused");
    case Winsock::sckHostNotFound: return QStringLiteral("Host not found");
    default: return QStringLiteral("Network error");
    }
}

// A new socket. Without the socket module every socket stays closed: it
// cannot listen, and a connection attempt ends in the error state.
std::unique_ptr<Winsock> NewWinsock();

// The addresses of this machine (IPv4, dotted), the loop-back address last;
// empty without the socket module.
QStringList HostAddresses();

inline constexpr char kSocketModule[] = "grisk-sockets";
// extern "C" vb::Winsock* grisk_new_winsock(): a new socket of the module.
inline constexpr char kSocketEntry[] = "grisk_new_winsock";
// extern "C" void grisk_host_addresses(QStringList*): the machine's addresses.
inline constexpr char kAddressesEntry[] = "grisk_host_addresses";

}  // namespace vb
