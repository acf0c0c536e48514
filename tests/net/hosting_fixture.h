// This machine hosting an Internet game for scripted machines on
// 127.0.0.1: the connection window answered as the player answers it, and
// clients that answer the host's lines by themselves.
#pragma once

#include <QTimer>
#include <functional>

#include "engine/deal_fixture.h"
#include "net/connection.h"
#include "net/frm_players.h"
#include "platform/winsock.h"
#include "scripted_peer.h"

namespace grisk_test {

inline const QString kClientHello = "IP Quenmoor Online^ 9. 6. 0";

class HostingTest : public DealTableTest {
protected:
    void SetUp() override {
        DealTableTest::SetUp();
        table(2);
        FailWaitsThatNeverEnd(guard_, "the set-up");
    }
    void TearDown() override {
        grisk::NetCleanUp();
        DealTableTest::TearDown();
    }
    // The player's choices in the connection window.
    static void queueWindow(bool host, int port, const QString& address = "127.0.0.1") {
        vb::forms::queueModalAction("frmPlayers", [=](vb::Form& form) {
            auto& w = static_cast<grisk::FrmPlayers&>(form);
            if (!host) {
                vb::UserClicks(w.Option2);
                vb::UserTypes(w.Text2, address);
            }
            vb::UserTypes(w.Text3, QString::number(port));
            vb::UserClicks(w.cmdConnect);
        });
    }
    // Runs action from the event loop once when() holds.
    void whenTrue(std::function<bool()> when, std::function<void()> action) {
        auto* t = new QTimer(&guard_);
        QObject::connect(t, &QTimer::timeout, t, [t, when, action] {
            if (!when()) return;
            t->stop();
            action();
        });
        t->start(1);
    }
    // A client that answers the host's handshake lines by itself.
    static void scriptClient(ScriptedPeer& p, const QString& name) {
        p.answers = {{"IP", kClientHello}, {"NM", "NM " + name}, {"LO", "LO"}};
    }
    // One that also answers the host's new game at once and takes its deal.
    static void scriptDealingClient(ScriptedPeer& p, const QString& name) {
        scriptClient(p, name);
        p.answers["GS"] = "GS";
        p.answers["DK"] = "DK";
        p.answers["TR"] = "TR";
    }
    // This machine hosts on a free port; peer joins once it listens.
    int hostWith(ScriptedPeer& first) {
        const int port = FreePort();
        queueWindow(true, port);
        whenTrue([] { return grisk::Winsock1(0).State() == vb::Winsock::sckListening; }, [&first, port] { first.join(port); });
        grisk::SetupInternet();
        return port;
    }
    QObject guard_;
};

}  // namespace grisk_test
