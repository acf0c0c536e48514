#include "net/remote_turn.h"

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/game_end.h"
#include "engine/piles.h"
#include "engine/player_move.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "net/dispatcher.h"
#include "net/move_lines.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/sockets.h"
#include "net/state.h"
#include "opponent/computer.h"
#include "opponent/state.h"
#include "platform/sound.h"
#include "records/state.h"
#include "table/wild_counters.h"

namespace grisk {

namespace {

constexpr int kHoldPileMost = 30;  // cards a seat's hold pile holds at most
constexpr int kReorderBase = 10;   // a reorder's target is the hand place plus 10
constexpr int kWildPayoffSound = 16;

bool isHand(int s) { return s >= 2 && s <= 6; }

// The count of saved games when the remote turn under way began; -1 when
// no remote turn is under way.
int turnSavedGames = -1;

// Keeps the saved-game count of one remote turn, and the outer turn's
// again when a turn nested in its waits ends.
class TurnScope {
public:
    TurnScope() : outer_(turnSavedGames) { turnSavedGames = inet.SavedGamesTaken; }
    ~TurnScope() { turnSavedGames = outer_; }
    TurnScope(const TurnScope&) = delete;
    TurnScope& operator=(const TurnScope&) = delete;

private:
    int outer_;
};

bool leaveTurn() { return RemoteTurnLeft(); }

// Waits for the mover's next line of kind; false when the turn is left.
bool awaitLine(int kind) {
    NetWaitUntil([kind] { return inet.NetState == kind || leaveTurn(); }, {nsGameStart, nsSeatList});
    return !leaveTurn() && inet.NetState == kind;
}

// Waits for the mover's next move; false when the turn is left or has
// become the human's.
bool awaitMove() {
    NetWaitUntil([] { return inet.MoveSender >= 0 || leaveTurn() || eng.Pturn == 1; }, {nsGameStart, nsSeatList});
    return !leaveTurn() && eng.Pturn != 1 && inet.MoveSender >= 0;
}

// The hand of the seat filled from the stock; false when a stalemate gave
// the game up.
bool refillHand(vb::ControlArray& owner) {
    Deal_Players(owner, eng.OppSlots);
    if (eng.StalemateState == 1) return false;
    if (eng.StalemateState == 2) eng.StalemateState = 0;
    eng.HandCount = HandCards(eng.OppSlots);
    return true;
}

// The card of slot `from` goes onto centre pile c. False when it was the
// last pay-off card: the game is over.
bool playToCentre(vb::ControlArray& owner, int from, int c) {
    eng.TargetCenter = c;
    opp.MoveSlot = from;
    for (int fld : {0, 1}) eng.MoveCard(fld) = eng.OppSlots(fld, from);
    const bool king = eng.MoveCard(1) == kKing;
    if (king) opp.PlayedRank = kKing;
    if (from == 1) {
        TakePayoffTop();
        if (king) {
            // The pay-off King is counted here, not by the flip.
            if (recs.SoundLevel == 0) sound::PlayAsync(eng.SoundFiles(kWildPayoffSound));
            eng.OppWildSide += 1;
            WildUpdate();
            opp.PlayedRank = 0;
        }
    } else if (from >= 7) {
        UncoverHoldPile(from - 6);
    } else {
        for (int fld : {0, 1}) eng.OppSlots(fld, from) = 0;
        eng.HandCount -= 1;
    }
    Comp_Flip(from, c, owner);
    if (from == 1 && eng.OppSideCount == 0) return false;
    if (eng.CenterCount(c) == kFullPile) Add_Used();
    return true;
}

// The discard from hand place `from` onto hold pile p ends the turn.
void dropOnHold(vb::ControlArray& owner, int from, int p) {
    eng.TargetCenter = from;
    opp.MoveSlot = p;
    const int n = eng.OppHoldTable(p, 1) + 1;
    eng.OppHoldTable(p, 1) = n;
    for (int fld : {0, 1}) eng.OppHold(fld, p, n) = eng.OppSlots(fld, from);
    eng.OppHoldTable(p, 2) = n != 1 && eng.OppHold(1, p, n) != eng.OppHold(1, p, n - 1) ? 1 : 0;
    Move_End_Turn(owner);
}

// The mover's last pay-off card lies on its centre pile: its "OK" is taken
// and the game ends.
void lastPayoffCard() {
    if (inet.NetPeers != 0) {
        if (!awaitLine(nsOkay) || !RelayAndAnswerMove(QString::fromLatin1(kOkayLine))) return;
    }
    Game_End();
}

}  // namespace

std::optional<QString> RemoteMoveFault(int from, int to) {
    if (from < 1 || from > 10) return QStringLiteral("a move from no pile");
    const bool hasCard = from == 1 ? eng.OppSideCount > 0 && eng.OppSlots(0, 1) != 0 : eng.OppSlots(0, from) != 0;
    if (!hasCard) return QStringLiteral("a move of a card that is not there");
    if (to >= 1 && to <= eng.NumCenters) {
        if (!CardFitsCentre(eng.OppSlots(1, from), to)) return QStringLiteral("a card that does not fit its centre pile");
        return std::nullopt;
    }
    if (to >= 7 && to <= 10) {
        if (!isHand(from)) return QStringLiteral("a drop of a card that is not in the hand");
        if (eng.OppHoldTable(to - 6, 1) >= kHoldPileMost) return QStringLiteral("a drop on a full hold pile");
        return std::nullopt;
    }
    if (to > kReorderBase && isHand(to - kReorderBase)) {
        if (!isHand(from)) return QStringLiteral("a reorder of a card that is not in the hand");
        return std::nullopt;
    }
    return QStringLiteral("a move to no pile");
}

bool RemoteTurnLeft() {
    const int s = inet.NetState;
    return inet.NetPeers == 0 || eng.Quitting || s == nsGone || s == nsEndGame || s == nsGameStart ||
           s == nsSeatList || (turnSavedGames >= 0 && inet.SavedGamesTaken != turnSavedGames);
}

bool RelayAndAnswerMove(const QString& relayLine) {
    int mover = eng.OppLevel;
    if (inet.IsHost == 1 && eng.NumPlayers >= 3) {
        inet.NetAnswers = 1;
        QString relay = relayLine;
        NetSendToOthers(relay, mover);
        if (!NetWaitUntil([] { return inet.NetAnswers >= eng.NumPlayers - 1; }, {nsGameStart, nsSeatList}))
            return false;
        if (leaveTurn()) return false;
    }
    QString answer = relayLine.left(2);
    NetSendToSlot(answer, mover);
    return !leaveTurn();
}

void Opponent() {
    const int seat = eng.Pturn;
    if (seat < 2 || seat > 4) return;
    const TurnScope scope;
    FrmGrisk& f = frmGrisk();
    vb::ControlArray& owner = f.seatPictures(seat);

    if (eng.RecountHand != 0) {
        eng.RecountHand = 0;
        eng.HandCount = HandCards(eng.OppSlots);
    } else if (!refillHand(owner)) {
        return;
    }
    EnablePileRange(f.Picture7, true, 7, 10);

    for (;;) {
        if (!awaitMove()) return;
        const int from = inet.MoveFrom;
        const int to = inet.MoveTo;
        const int sender = inet.MoveSender;
        inet.MoveSender = -1;
        // On a host the move must come from the mover's own machine.
        if (inet.IsHost == 1 && sender != eng.OppLevel) {
            NetDropPeer(sender, QStringLiteral("a move out of turn"));
            return;
        }
        if (const std::optional<QString> fault = RemoteMoveFault(from, to)) {
            NetDropPeer(sender, *fault);
            return;
        }
        if (!RelayAndAnswerMove(BuildPlayCardLine(from, to))) return;

        if (to >= 7 && to <= 10) {
            dropOnHold(owner, from, to - 6);
            return;
        }
        if (to > kReorderBase) {
            int fromPos = from;
            int toPos = to - kReorderBase;
            Hand_Sort(eng.OppSlots, owner, fromPos, toPos);
        } else if (!playToCentre(owner, from, to)) {
            lastPayoffCard();
            return;
        }

        if (!awaitLine(nsWait) || !RelayAndAnswerMove(QString::fromLatin1(kWaitLine))) return;
        if (eng.HandCount == 0 && !refillHand(owner)) return;
    }
}

}  // namespace grisk
