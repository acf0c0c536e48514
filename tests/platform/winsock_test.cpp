// The socket stand-in on real loop-back connections: its states, its three
// events raised from the event loop, and the errors with their numbers.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <vector>

#include "platform/eventwait.h"
#include "platform/winsock.h"
#include "support/test_support.h"

namespace {

using grisk_test::RunEventsUntil;

// A listener, a client connected to it, and the listener's end taken over
// by a third socket, as a host takes a peer.
struct Pair {
    std::unique_ptr<vb::Winsock> listener = vb::NewWinsock();
    std::unique_ptr<vb::Winsock> client = vb::NewWinsock();
    std::unique_ptr<vb::Winsock> accepted = vb::NewWinsock();
    std::vector<int> requests;
    QString got;
    std::vector<int> statesSeen;

    void open() {
        listener->SetLocalPort(0);
        ASSERT_EQ(listener->Listen(), 0);
        ASSERT_EQ(listener->State(), vb::Winsock::sckListening);
        listener->onConnectionRequest = [this](int id) {
            requests.push_back(id);
            accepted->Accept(*listener, id);
        };
        accepted->onDataArrival = [this](int) {
            got += accepted->GetData();
            statesSeen.push_back(accepted->State());
        };
        client->RemoteHost = "127.0.0.1";
        client->RemotePort = listener->LocalPort();
        client->Connect();
        ASSERT_TRUE(RunEventsUntil([this] {
            return client->State() == vb::Winsock::sckConnected && accepted->State() == vb::Winsock::sckConnected;
        }));
    }
};

TEST(Winsock, AConnectionRequestIsTakenAndTextFlowsUntilTheOtherSideCloses) {
    Pair p;
    p.open();
    EXPECT_EQ(p.requests.size(), 1u);
    ASSERT_TRUE(p.client->SendData("GS\nDK 1#"));
    // The text is raised from the event loop, not from inside the send.
    EXPECT_TRUE(p.got.isEmpty());
    ASSERT_TRUE(RunEventsUntil([&] { return p.got == "GS\nDK 1#"; }));
    ASSERT_TRUE(p.client->SendData("2#\n"));
    p.client->Close();
    EXPECT_EQ(p.client->State(), vb::Winsock::sckClosed);
    ASSERT_TRUE(RunEventsUntil([&] { return p.accepted->State() == vb::Winsock::sckClosing; }));
    ASSERT_TRUE(RunEventsUntil([&] { return p.got == "GS\nDK 1#2#\n" && !p.statesSeen.empty() &&
                                            p.statesSeen.back() == vb::Winsock::sckClosing; }));
    // Closing stays until this side closes too.
    grisk_test::RunEventsFor(5);
    EXPECT_EQ(p.accepted->State(), vb::Winsock::sckClosing);
    EXPECT_FALSE(p.accepted->SendData("GO\n"));
    p.accepted->Close();
    EXPECT_EQ(p.accepted->State(), vb::Winsock::sckClosed);
}

// A handler that waits (a box, a pause) still gets what arrives meanwhile:
// from inside its wait, in order.
TEST(Winsock, TextArrivingWhileAHandlerWaitsIsRaisedInsideTheWait) {
    Pair p;
    p.open();
    QStringList order;
    int depth = 0;
    p.accepted->onDataArrival = [&](int) {
        const QString text = p.accepted->GetData();
        order << QString::number(depth) + ":" + text;
        if (text == "first\n") {
            ++depth;
            p.client->SendData("second\n");
            for (int i = 0; i < 200 && order.size() < 2; ++i) waits::WaitEvents(5);
            --depth;
        }
    };
    p.client->SendData("first\n");
    ASSERT_TRUE(RunEventsUntil([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (QStringList{"0:first\n", "1:second\n"}));
}

TEST(Winsock, ErrorsCarryTheNumbersOfTheOldControl) {
    // A port nobody listens on: the connection is refused.
    int freePort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        freePort = probe.serverPort();
    }
    std::unique_ptr<vb::Winsock> s = vb::NewWinsock();
    std::vector<std::pair<int, QString>> errors;
    s->onError = [&](int n, const QString& d) { errors.emplace_back(n, d); };
    s->RemoteHost = "127.0.0.1";
    s->RemotePort = freePort;
    s->Connect();
    ASSERT_TRUE(RunEventsUntil([&] { return !errors.empty(); }));
    EXPECT_EQ(errors[0].first, vb::Winsock::sckConnectionRefused);
    EXPECT_EQ(errors[0].second, "Connection refused");
    EXPECT_EQ(s->State(), vb::Winsock::sckError);
    s->Close();
    EXPECT_EQ(s->State(), vb::Winsock::sckClosed);

    // A port in use: the listen is refused at once and the socket stays closed.
    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::Any));
    std::unique_ptr<vb::Winsock> l = vb::NewWinsock();
    l->SetLocalPort(holder.serverPort());
    EXPECT_EQ(l->Listen(), vb::Winsock::sckAddressInUse);
    EXPECT_EQ(l->State(), vb::Winsock::sckClosed);
    EXPECT_EQ(vb::ErrorDescription(vb::Winsock::sckPermissionDenied), "Permission denied");
}

}  // namespace
