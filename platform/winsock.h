// A TCP connection with the states and calls of the old socket control:
// State 0 closed, 1 open, 2 listening, 6 connecting, 7 connected, 8 closing,
// 9 error. The sockets themselves live in the socket module (Qt Network),
// loaded when the first socket is made; see platform/late_module.h.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QTcpSocket;

namespace vb {

class Winsock {
public:
    enum State { sckClosed = 0, sckOpen = 1, sckListening = 2, sckConnecting = 6,
                 sckConnected = 7, sckClosing = 8, sckError = 9 };

    Winsock() = default;
    virtual ~Winsock() = default;
    Winsock(const Winsock&) = delete;
    Winsock& operator=(const Winsock&) = delete;

    virtual int State() const = 0;
    virtual void Connect(const QString& host, int port) = 0;
    virtual bool Listen(int port) = 0;
    // Takes over a connection accepted by a listening socket.
    virtual void Adopt(QTcpSocket* socket) = 0;
    // The next pending connection of a listening socket, or nullptr.
    virtual QTcpSocket* NextPendingConnection() = 0;
    // Sends the text as Latin-1 bytes; false when not connected.
    virtual bool SendData(const QString& text) = 0;
    // Everything received so far, taken out of the buffer.
    virtual QString GetData() = 0;
    virtual int BytesReceived() const = 0;
    virtual void Close() = 0;
    virtual int LocalPort() const = 0;
    // The address of this machine on the connection, "" when none.
    virtual QString LocalIP() const = 0;

    // Raised when data arrives, a connection is requested, or an error occurs.
    std::function<void()> onDataArrival;
    std::function<void()> onConnectionRequest;
    std::function<void()> onError;
};

// A new socket. Without the socket module every socket stays closed: it
// cannot listen, and a connection attempt ends in the error state.
std::unique_ptr<Winsock> NewWinsock();

inline constexpr char kSocketModule[] = "grisk-sockets";
// extern "C" vb::Winsock* grisk_new_winsock(): a new socket of the module.
inline constexpr char kSocketEntry[] = "grisk_new_winsock";

}  // namespace vb
