#include "engine/reshuffle_net.h"

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "net/deal_lines.h"
#include "net/dispatcher.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/connection.h"
#include "net/sockets.h"
#include "net/state.h"

namespace grisk {

namespace {
void sendToEveryPeer(const QString& line) {
    QString message = line;
    int allSlots = 0;
    NetSendToOthers(message, allSlots);
}
}  // namespace

QString ReshuffleDeckLine() { return BuildDeckLine(eng.Deck, eng.StockCount, inet.PeerVersion, std::nullopt); }

void SendStockToPeers() {
    inet.NetAnswers = 1;
    sendToEveryPeer(inet.NetPayload);
    NetWaitUntil([] { return inet.NetState == nsDeck && inet.NetAnswers == eng.NumPlayers; });
}

HostStock TakeStockFromHost() {
    const bool arrived = NetWaitUntil([] { return eng.StalemateState == 1 || inet.NetState == nsDeck; },
                                      {nsGameStart, nsSeatList});
    if (!arrived || eng.StalemateState == 1) return HostStock::Ended;
    // The host's stock is checked as a dealt one is: exactly the cards of a
    // stock of this size, every number in range.
    const std::optional<ReceivedDeck> deck =
        ParseDeckPayload(inet.NetPayload, inet.PeerVersion, eng.StockCount, false, eng.TotalCards);
    if (!deck) return HostStock::Damaged;
    for (int i = 1; i <= eng.StockCount; ++i) {
        eng.Deck(0, i) = deck->numbers[static_cast<std::size_t>(i - 1)];
        eng.Deck(1, i) = deck->ranks[static_cast<std::size_t>(i - 1)];
    }
    QString answer = QStringLiteral("DK");
    int host = 1;
    NetSendToSlot(answer, host);
    return HostStock::Taken;
}

void RefuseHostCards(const QString& text) { NetEndConnection(inet.NetSockIndex, text, QStringLiteral("Dealer Error")); }

void SendStalemateRecovery() { sendToEveryPeer(QStringLiteral("OK")); }

int AwaitStalemateDecision() {
    NetWaitUntil([] { return inet.NetState == nsOkay || inet.NetState == nsGameStart; }, {nsSeatList});
    if (inet.NetState == nsOkay) return 1;
    if (inet.NetState == nsGameStart) return 0;
    return -1;
}

}  // namespace grisk
