// A TCP connection with the states and calls of the old socket control:
// State 0 closed, 1 open, 2 listening, 6 connecting, 7 connected, 8 closing,
// 9 error.
#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace vb {

class Winsock {
public:
    enum State { sckClosed = 0, sckOpen = 1, sckListening = 2, sckConnecting = 6,
                 sckConnected = 7, sckClosing = 8, sckError = 9 };

    Winsock() = default;
    ~Winsock();
    Winsock(const Winsock&) = delete;
    Winsock& operator=(const Winsock&) = delete;

    int State() const;
    void Connect(const QString& host, int port);
    bool Listen(int port);
    // Takes over a connection accepted by a listening socket.
    void Adopt(QTcpSocket* socket);
    // The next pending connection of a listening socket, or nullptr.
    QTcpSocket* NextPendingConnection();
    // Sends the text as Latin-1 bytes; false when not connected.
    bool SendData(const QString& text);
    // Everything received so far, taken out of the buffer.
    QString GetData();
    int BytesReceived() const;
    void Close();
    int LocalPort() const;
    // The address of this machine on the connection, "" when none.
    QString LocalIP() const;

    // Raised when data arrives, a connection is requested, or an error occurs.
    std::function<void()> onDataArrival;
    std::function<void()> onConnectionRequest;
    std::function<void()> onError;

private:
    void wire();
    QPointer<QTcpSocket> socket_;
    QPointer<QTcpServer> server_;
};

}  // namespace vb
