#include "platform/winsock.h"

#include "platform/late_module.h"

namespace vb {

namespace {

// The socket of a program whose socket module is missing.
class NoWinsock final : public Winsock {
public:
    int State() const override { return state_; }
    void Connect(const QString&, int) override { state_ = sckError; }
    bool Listen(int) override {
        state_ = sckClosed;
        return false;
    }
    void Adopt(QTcpSocket*) override {}
    QTcpSocket* NextPendingConnection() override { return nullptr; }
    bool SendData(const QString&) override { return false; }
    QString GetData() override { return QString(); }
    int BytesReceived() const override { return 0; }
    void Close() override { state_ = sckClosed; }
    int LocalPort() const override { return 0; }
    QString LocalIP() const override { return QString(); }

private:
    int state_ = sckClosed;
};

}  // namespace

std::unique_ptr<Winsock> NewWinsock() {
    using Make = Winsock* (*)();
    static const auto make = reinterpret_cast<Make>(late::Resolve(kSocketModule, kSocketEntry));
    if (make)
        if (Winsock* s = make()) return std::unique_ptr<Winsock>(s);
    return std::make_unique<NoWinsock>();
}

}  // namespace vb
