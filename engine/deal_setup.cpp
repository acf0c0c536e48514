// The set-up of a deal: the stock, the pay-off piles, the first player and,
// in an Internet game, the exchange of the deck and the first player.
#include <algorithm>

#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/reshuffle_net.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/deal_lines.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/random.h"
#include "platform/vb.h"
#include "shell/state.h"
#include "table/debug_deck.h"
#include "table/layout_reset.h"

namespace grisk {

namespace {

bool isRemote() { return inet.NetPeers != 0 && inet.IsHost != 1; }
bool isHost() { return inet.NetPeers != 0 && inet.IsHost == 1; }

// Card i at stock position i with its rank, then the shuffle: all decks as
// one pack, or each player's deck within its own 52 positions.
void buildAndShuffleStock() {
    for (int i = 1; i <= eng.TotalCards; ++i) {
        eng.Deck(0, i) = i;
        eng.Deck(1, i) = (i - 1) % 13 + 1;
    }
    if (!eng.DecksSeparate) {
        eng.StockCount = eng.TotalCards;
        ShuffleDeck(1, eng.TotalCards);
    } else {
        eng.StockCount = 52;
        for (int k = 1; k <= eng.NumPlayers; ++k) ShuffleDeck(52 * (k - 1) + 1, 52 * k, 52 * (k - 1));
    }
    eng.StockCount = eng.TotalCards;
}

// A deck or first player from the host that cannot be played.
void refuseHostDeal() {
    RefuseHostCards(QStringLiteral("The dealer's cards came through damaged, so this game cannot be "
                                   "dealt.\nThe connection to the dealer has been closed."));
}

// The host's deck, read into the stock; its rules replace ours.
bool takeHostDeck() {
    if (!NetWaitUntil([] { return inet.NetState == nsDeck; }, {nsSeatList})) return false;
    const std::optional<ReceivedDeck> deck =
        ParseDeckPayload(inet.NetPayload, inet.PeerVersion, eng.TotalCards, true, eng.TotalCards);
    if (!deck) {
        refuseHostDeal();
        return false;
    }
    for (int i = 1; i <= eng.TotalCards; ++i) {
        eng.Deck(0, i) = deck->numbers[static_cast<std::size_t>(i - 1)];
        eng.Deck(1, i) = deck->ranks[static_cast<std::size_t>(i - 1)];
    }
    if (deck->rules) {
        eng.SideOption = deck->rules->SideOption;
        eng.ForcedCards = deck->rules->ForcedCards;
        eng.NoWildAce = deck->rules->NoWildAce;
        eng.DecksSeparate = deck->rules->DecksSeparate;
        eng.SideShape = 25 - eng.SideOption;
        eng.OppSideShape = 50 - eng.SideOption;
    }
    eng.StockCount = eng.TotalCards;
    NetAnswerHost(QStringLiteral("DK"));
    return true;
}

bool sendDeckToPeers() {
    if (!NetWaitUntil([] { return inet.NetState == nsGameStart; })) return false;
    const DeckRules rules{eng.SideOption, eng.ForcedCards, eng.NoWildAce, eng.DecksSeparate};
    QString line = BuildDeckLine(eng.Deck, eng.TotalCards, inet.PeerVersion, rules);
    int all = 0;
    NetSendToOthers(line, all);
    inet.NetAnswers = 1;
    return NetWaitUntil([] { return inet.NetState == nsDeck && inet.NetAnswers == eng.NumPlayers; });
}

// The first player from the host's "TR" (the dispatcher has set Pturn).
bool takeHostTurn() {
    if (!NetWaitUntil([] { return inet.NetState == nsTurn; }, {nsGameStart, nsSeatList})) return false;
    if (inet.MsgNumber < 1 || inet.MsgNumber > eng.NumPlayers) {
        refuseHostDeal();
        return false;
    }
    NetAnswerHost(QStringLiteral("TR"));
    if (eng.NumPlayers >= 3 && !PeerVersionAtMost(inet.PeerVersion, "74")) PturnCalculate();
    return true;
}

bool sendTurnToPeers() {
    // A newer peer of a two-player game counts the seats from its side.
    int n = eng.Pturn;
    if (!PeerVersionAtMost(inet.PeerVersion, "74") && eng.NumPlayers == 2) n = eng.Pturn == 1 ? 2 : 1;
    inet.NetOutMsg = BuildTurnLine(n);
    int all = 0;
    NetSendToOthers(inet.NetOutMsg, all);
    inet.NetAnswers = 1;
    return NetWaitUntil([] { return inet.NetState == nsTurn && inet.NetAnswers == eng.NumPlayers; });
}

// SideOption + 1 rounds from the top of the stock, one card a round to each
// host seat in turn.
void dealPayOffPiles() {
    eng.SideCount = 0;
    eng.OppSideCount = 0;
    // Each pile counts the cards dealt to it so far (a pile of the game
    // before lies in the same places until it is dealt over).
    for (int seat = 2; seat <= eng.NumPlayers; ++seat) SeatRecord(seat).RecSideCount = 0;
    const int last = eng.TotalCards - eng.SideOption * eng.NumPlayers;
    for (int x = eng.TotalCards; x >= last; x -= eng.NumPlayers) {
        eng.SideCount += 1;
        eng.OppSideCount += 1;
        for (int h = 1; h <= eng.NumPlayers; ++h) {
            const int seat = LocalSeatOfHostSeat(h);
            const int pos = x - (h - 1);
            if (seat != 1) SeatRecord(seat).RecSideCount = eng.OppSideCount;
            for (int f = 0; f <= 1; ++f) {
                if (seat == 1)
                    eng.PlayerSide(f, eng.SideCount) = eng.Deck(f, pos);
                else
                    SeatRecord(seat).Side(f, eng.OppSideCount) = eng.Deck(f, pos);
                eng.Deck(f, pos) = 0;
            }
            // The stock's top is the position just dealt.
            eng.StockCount = pos - 1;
            NoteCardsMoved();
        }
    }
    eng.StockCount = eng.TotalCards - (eng.SideOption + 1) * eng.NumPlayers;
    for (int f = 0; f <= 1; ++f) {
        eng.PlayerSlots(f, 1) = eng.PlayerSide(f, eng.SideCount);
        for (int seat = 2; seat <= eng.NumPlayers; ++seat) {
            PlayerRecord& rec = SeatRecord(seat);
            rec.Slots(f, 1) = rec.Side(f, rec.RecSideCount);
        }
    }
}

}  // namespace

int LocalSeatOfHostSeat(int h, int mySeat, int players) {
    if (players == 2) return h == 1 ? 2 : 1;
    return ((h - 1 - mySeat) % players + players) % players + 1;
}

int LocalSeatOfHostSeat(int h) {
    if (!isRemote()) return h;
    return LocalSeatOfHostSeat(h, inet.MySeat, eng.NumPlayers);
}

std::vector<int> DealOrder() {
    std::vector<int> order;
    for (int h = 1; h <= eng.NumPlayers; ++h) order.push_back(LocalSeatOfHostSeat(h));
    return order;
}

void PturnCalculate() {
    if (eng.Pturn < 1 || eng.Pturn > eng.NumPlayers) return;
    eng.Pturn = LocalSeatOfHostSeat(eng.Pturn);
}

void WhosOnFirst() {
    int s = eng.Pturn;
    for (int k = 1; k <= eng.NumPlayers; ++k) {
        eng.SeatOrder(k) = s;
        s = s + 1;
        if (s > eng.NumPlayers) s = 1;
    }
    eng.TurnIndex = 1;
    eng.Pturn = eng.SeatOrder(1);
}

FirstPlayer ChooseFirstPlayer(const std::array<int, 4>& topRanks, int players) {
    struct Entry {
        int rank;
        int seat;
    };
    std::array<Entry, 4> table{};
    for (int s = 1; s <= 4; ++s) table[static_cast<std::size_t>(s - 1)] = {s <= players ? topRanks[static_cast<std::size_t>(s - 1)] : 0, s};
    // Highest first; equal ranks stay in seat order.
    std::stable_sort(table.begin(), table.end(), [](const Entry& a, const Entry& b) { return a.rank > b.rank; });
    int same = 0;
    while (same < 3 && table[static_cast<std::size_t>(same)].rank == table[static_cast<std::size_t>(same) + 1].rank) ++same;
    FirstPlayer first;
    if (same > 0) {
        first.tieCount = same + 1;
        first.seat = table[static_cast<std::size_t>(vb::Rnd() * first.tieCount)].seat;
    } else {
        first.seat = table[0].seat;
    }
    return first;
}

bool SetUp() {
    eng.GameBusy = true;
    if (isRemote()) ResetTableDisplay();
    if (inet.NetPeers == 0) {
        if (inet.SavedMoveDelay != 0) {
            // Back to this machine's own speed, once.
            eng.CompDelay = inet.SavedMoveDelay;
            inet.SavedMoveDelay = 0;
        }
        inet.IsHost = 0;
    }

    if (!isRemote()) {
        buildAndShuffleStock();
        inet.NetPayload.clear();
    }
    NoteCardsMoved();  // the stock in its new order
    if (isHost() && !sendDeckToPeers()) return false;
    if (isRemote() && !takeHostDeck()) return false;

    inet.NetPayload.clear();
    if (inet.NetPeers != 0) ShowRulesSummary();
    eng.Player2.RecSideShape = 50 - eng.SideOption;
    eng.Player2.RecSideCount = eng.SideOption + 1;
    if (eng.NumPlayers >= 3) {
        eng.Player3.RecSideShape = 75 - eng.SideOption;
        eng.Player3.RecSideCount = eng.SideOption + 1;
    }
    if (eng.NumPlayers == 4) {
        eng.Player4.RecSideShape = 100 - eng.SideOption;
        eng.Player4.RecSideCount = eng.SideOption + 1;
    }
    if (cmd.DeveloperMode) DebugShowDeck();

    dealPayOffPiles();

    std::array<int, 4> tops{eng.PlayerSlots(1, 1), 0, 0, 0};
    for (int seat = 2; seat <= eng.NumPlayers; ++seat) tops[static_cast<std::size_t>(seat - 1)] = SeatRecord(seat).Slots(1, 1);
    const FirstPlayer first = ChooseFirstPlayer(tops, eng.NumPlayers);
    eng.Pturn = first.seat;
    eng.TieCount = first.tieCount;

    if (isRemote() && !takeHostTurn()) return false;
    WhosOnFirst();
    if (isHost() && !sendTurnToPeers()) return false;

    eng.RecountHand = 1;
    eng.TurnStart = 2;
    return true;
}

}  // namespace grisk
