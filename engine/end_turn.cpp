#include "engine/end_turn.h"

#include <QImage>
#include <vector>

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/player_move.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/dispatcher.h"
#include "net/frm_chat.h"
#include "net/move_lines.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "records/stats.h"
#include "records/state.h"
#include "table/card_drawing.h"
#include "table/layout_stacks.h"
#include "table/pile_info.h"
#include "table/state.h"

namespace grisk {

namespace {

constexpr int kHoldPileFull = 30;  // cards under the top of a full hold pile
constexpr int kWhite = 0xFFFFFF;
constexpr int kDiscardOnlyBit = 4;

bool isHand(int slot) { return slot >= 2 && slot <= 6; }
bool isHold(int slot) { return slot >= 7 && slot <= 10; }

// The dragged picture goes back to its home.
void cardHome() {
    vb::Control& card = frmGrisk().Picture7(eng.SourceSlot);
    card.setGeometryTw(screen::PixelsToTwips(eng.DragLeft), screen::PixelsToTwips(eng.DragTop), card.widthTw(),
                       card.heightTw());
}

bool someCentreAt(int count) {
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (eng.CenterCount(c) == count) return true;
    return false;
}

// The first of the slots the forced rules look at whose rank is v: the
// pay-off top, the hand (only the discard with bit 4), the hold tops.
bool forcedCardFound(int v) {
    std::vector<int> looked{1};
    if ((eng.ForcedCards & kDiscardOnlyBit) == 0)
        looked.insert(looked.end(), {2, 3, 4, 5, 6});
    else
        looked.push_back(eng.SourceSlot);
    looked.insert(looked.end(), {7, 8, 9, 10});
    for (int s : looked)
        if (eng.PlayerSlots(1, s) == v) return true;
    return false;
}

// The forced rule the discard breaks: "Ace", "Two", or "" for none.
QString brokenForcedRule() {
    if (eng.ForcedCards == 0) return QString();
    if ((eng.ForcedCards & 1) != 0 && someCentreAt(0) && forcedCardFound(1)) return QStringLiteral("Ace");
    if ((eng.ForcedCards & 2) != 0 && someCentreAt(1) && forcedCardFound(2)) return QStringLiteral("Two");
    return QString();
}

void refuseFullPile() {
    FrmGrisk& f = frmGrisk();
    f.Label9(1).setCaption(QStringLiteral("That HOLD pile is too full. PICK ANOTHER PILE!"));
    PlayProgramSound(kSoundRefused);
    cardHome();
    EnablePileRange(f.Picture7, true, 1, 10);
}

// The card of SourceSlot onto hold pile DropSlot, on the table and in the piles.
void discard() {
    FrmGrisk& f = frmGrisk();
    const int s = eng.SourceSlot;
    const int d = eng.DropSlot;
    const int p = d - 6;
    if (recs.DeckStyle < 6) f.Picture7(d).setBackColor(kWhite);
    DrawCard(f.Picture7, d, eng.PlayerSlots(0, s), 4);
    vb::Control& card = f.Picture7(s);
    card.setVisible(false);
    card.setPicture(QImage());
    cardHome();
    if (eng.PlayerSlots(1, d) != 0) {
        eng.PlayerHoldCount(p) += 1;
        for (int fld : {0, 1}) eng.PlayerHold(fld, p, eng.PlayerHoldCount(p)) = eng.PlayerSlots(fld, d);
        ShowPileOutline(f.Picture7(d), true, p);
    }
    for (int fld : {0, 1}) {
        eng.PlayerSlots(fld, d) = eng.PlayerSlots(fld, s);
        eng.PlayerSlots(fld, s) = 0;
    }
    NoteCardsMoved();
}

// The turn passes to the next seat of the round.
void passTurn() {
    eng.MoveLogPos = 0;
    eng.TurnIndex += 1;
    if (eng.TurnIndex > eng.NumPlayers) eng.TurnIndex = 1;
    eng.TurnStart = 0;
    eng.Pturn = eng.SeatOrder(eng.TurnIndex);
    eng.HandCount = kHandSize;
}

// Sends a bare line and waits until every machine has answered it; false
// when the wait ended otherwise.
bool bareRound(const char* code, int answerKind) {
    NetSendToPeers(QString::fromLatin1(code));
    inet.NetAnswers = 1;
    return NetWaitUntil([answerKind] { return inet.NetState == answerKind && inet.NetAnswers == eng.NumPlayers; },
                        {nsGameStart, nsSeatList});
}

void setChatSend(bool enabled) {
    if (FrmChatExists()) frmChat().Command1.setEnabled(enabled);
}

void clearWaitBanner() {
    vb::Control& banner = frmGrisk().Label9(0);
    banner.setCaption(QString());
    banner.setVisible(false);
    setChatSend(true);
}

}  // namespace

void Player_EndTurn() {
    const bool busy = eng.HumanMoveBusy || eng.GameBusy;
    if (eng.Pturn != 1 || busy || !isHand(eng.SourceSlot) || !isHold(eng.DropSlot) ||
        eng.PlayerSlots(1, eng.SourceSlot) == 0) {
        // No discard can be made: the card goes home and the piles that the
        // drop locked are free again (unless a move of the human's, a deal
        // or the others' turns still run and hold them).
        if (isHand(eng.SourceSlot)) cardHome();
        if (!busy) EnablePileRange(frmGrisk().Picture7, true, 1, 10);
        return;
    }
    FrmGrisk& f = frmGrisk();
    const int drop = eng.DropSlot;  // kept: a press meanwhile sets DropSlot
    {
        // The discard is the human's move until the turn passes; from then
        // on the human's piles answer presses again (the pay-off card and
        // the hold piles: rule message 3, the pile-information window).
        HumanMoveGuard move(2);
        f.Label9(1).setCaption(QStringLiteral(" "));
        if (inet.NetPeers == 0) f.Label9(2).setCaption(QStringLiteral(" "));

        const int p = eng.DropSlot - 6;
        if (eng.PlayerHoldCount(p) >= kHoldPileFull) {
            refuseFullPile();
            return;
        }
        const QString rule = brokenForcedRule();
        if (!rule.isEmpty()) {
            PlayerGoBack(rule);
            return;
        }

        discard();
        if (inet.NetPeers != 0) {
            Move_Transmit_Done();
            if (inet.NetPeers == 0) return;
        } else {
            Pause(0.75);
        }
        if (PileInfoShown() && tbl.InfoSel(2) == drop && eng.InfoHold == 0) RefreshPileInfo(QString());
        StatsCk(1, 2);
    }

    passTurn();
    f.ImgTurn2.setVisible(true);
    f.ImgTurn1.setVisible(false);
    EnablePileRange(f.Picture7, true, 7, 10);
    eng.HumanMissedMove = PlayerMissedMove();
    ComputerTurn();
}

void PlayerGoBack(const QString& WhichRule) {
    vb::MsgBox("Forced " + WhichRule + " rule is in effect. You must play your " + WhichRule, vb::vbInformation,
               QStringLiteral("Rule Enforced"));
    cardHome();
    EnablePileRange(frmGrisk().Picture7, true, 1, 10);
}

bool PlayerMissedMove() {
    const int top = eng.PlayerSlots(1, 1);
    if (top == kKing) return false;
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (top == eng.CenterCount(c) + 1) return true;
    return false;
}

void Move_Transmit_PlayCard() {
    setChatSend(false);
    vb::Control& banner = frmGrisk().Label9(0);
    banner.setCaption(QStringLiteral(" W A I T "));
    banner.setVisible(true);
    NetSendToPeers(BuildPlayCardLine(eng.OutMoveFrom, eng.OutMoveTo));
    inet.NetAnswers = 1;
    NetWaitUntil([] { return inet.NetState == nsPlayCard && inet.NetAnswers == eng.NumPlayers; },
                 {nsGameStart, nsSeatList});
}

void Move_Transmit() {
    if (inet.NetPeers == 0) return;
    Move_Transmit_PlayCard();
    if (inet.NetState != nsGone && !bareRound(kWaitLine, nsWait)) {
        // The game ended or restarted meanwhile: the banner stays up, but
        // the chat may be used again.
        setChatSend(true);
        return;
    }
    clearWaitBanner();
}

void Move_Transmit_Done() {
    if (inet.NetPeers == 0) return;
    Move_Transmit_PlayCard();
    NetTurnEnding();
    if (inet.NetState != nsGone) bareRound(kOkayLine, nsOkay);
    clearWaitBanner();
}

}  // namespace grisk
