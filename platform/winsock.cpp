#include "platform/winsock.h"

#include "platform/late_module.h"

namespace vb {

namespace {

// The socket of a program whose socket module is missing.
class NoWinsock final : public Winsock {
public:
    int State() const override { return state_; }
    void Connect() override { state_ = sckError; }
    int Listen() override {
        state_ = sckClosed;
        return sckAddressInUse;
    }
    void Accept(Winsock&, int) override {}
    bool SendData(const QString&) override { return false; }
    QString GetData() override { return QString(); }
    int BytesReceived() const override { return 0; }
    void Close() override { state_ = sckClosed; }
    int LocalPort() const override { return port_; }
    void SetLocalPort(int port) override { port_ = port; }
    QString LocalIP() const override { return QString(); }

private:
    int state_ = sckClosed;
    int port_ = 0;
};

}  // namespace

std::unique_ptr<Winsock> NewWinsock() {
    using Make = Winsock* (*)();
    static const auto make = reinterpret_cast<Make>(late::Resolve(kSocketModule, kSocketEntry));
    if (make)
        if (Winsock* s = make()) return std::unique_ptr<Winsock>(s);
    return std::make_unique<NoWinsock>();
}

QStringList HostAddresses() {
    using Addresses = void (*)(QStringList*);
    static const auto list = reinterpret_cast<Addresses>(late::Resolve(kSocketModule, kAddressesEntry));
    QStringList out;
    if (list) list(&out);
    return out;
}

}  // namespace vb
