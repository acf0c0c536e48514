// The centre plays of a computer or remote seat: the planned plays carried
// out card by card, one card moved on the table, a wild King shown, and the
// remarks on a block.
#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/piles.h"
#include "engine/player_move.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "net/state.h"
#include "opponent/computer.h"
#include "opponent/planner.h"
#include "opponent/seat_voice.h"
#include "opponent/state.h"
#include "platform/eventwait.h"
#include "platform/sound.h"
#include "records/state.h"
#include "records/stats.h"
#include "table/card_counter.h"
#include "table/card_drawing.h"
#include "table/animation.h"
#include "table/layout_pictures.h"
#include "table/layout_stacks.h"
#include "table/pile_info.h"
#include "table/state.h"
#include "table/wild_counters.h"

namespace grisk {

namespace {

// A card that has been seen face up counts on the card counter, which is
// brought up to date when it is open.
void markSeen(int card) {
    if (eng.Deck.inRange({2, card})) eng.Deck(2, card) = 1;
    if (IsFormLoaded(QStringLiteral("frmCounter"))) UpdateCardCounter();
}

constexpr int32_t kEmptySlotColour = 0x80C0FF;  // light orange

constexpr int kRemarkWildMissed = 23;
constexpr int kRemarkOtherBlocked = 24;
constexpr int kRemarkHumanBlocked = 25;
constexpr int kRemarkValueTaken = 26;
constexpr int kRemarkKingTookValue = 27;
constexpr int kSoundBadLuck = 9;

bool localGame() { return inet.NetPeers == 0; }
bool commentsOn() { return !eng.NoComments; }
int humanPayoff() { return eng.PlayerSlots(1, 1); }

vb::Control& remarkLine() { return frmGrisk().Label9(2); }

bool pileInfoShowsSlot(int s) { return PileInfoShown() && tbl.InfoSel(1) == eng.Pturn && eng.InfoPile == s; }

// One of the block sounds 3..6, never the one before.
void playBlockSound() {
    opp.LastBlockSound = DrawOtherThan(opp.LastBlockSound, 4, 3);
    PlaySeatSoundToEnd(opp.LastBlockSound);
}

// The source slot of a hand play was played empty: the hand is refilled and
// the turn starts its pass again. False when a stalemate ended the game.
bool refillEmptiedHand(vb::ControlArray& owner) {
    if (eng.CenterCount(eng.TargetCenter) == kFullPile) Add_Used();
    Deal_Players(owner, eng.OppSlots);
    opp.SidePlay = 88;
    opp.RestartPass = true;
    opp.PlanSet(eng.TargetCenter, 1) = 0;
    if (eng.StalemateState == 1) return false;
    if (eng.StalemateState == 2) {
        // The stalemate was recovered: every seat got a new hand, which the
        // refill did not count.
        eng.StalemateState = 0;
        eng.HandCount = HandCards(eng.OppSlots);
    }
    Pause(eng.CompDelay);
    return true;
}

// The pay-off card the King uncovered needs the value the King took.
void badLuckRemark(int tookValue) {
    if (eng.OppSideCount == 0 || eng.OppSlots(1, 1) != tookValue) return;
    FrmGrisk& f = frmGrisk();
    for (int c = 1; c <= eng.NumCenters; ++c) {
        if (eng.CenterCount(c) + 1 == tookValue) {
            f.Label9(2).setCaption(QStringLiteral("Lucky for me...\nThere's still room to play this card."));
            Pause(1.0);
            return;
        }
    }
    f.Label9(2).setCaption(QStringLiteral("Argh!\nThat bites! Murphy's Law!"));
    waits::DoEvents();
    if (recs.SoundLevel == 0)
        PlaySeatSoundToEnd(kSoundBadLuck);
    else
        Pause(0.5);
}

// The source slot after its card went: its picture and, for the pay-off
// pile, the next card.
void redrawSource(vb::ControlArray& owner, int from) {
    vb::Control& pic = owner(from);
    if (from >= 7) {
        for (int f : {0, 1}) eng.OppSlots(f, from) = opp.UncoveredCard(f);
        if (eng.OppSlots(0, from) == 0) {
            pic.setBackColor(kEmptySlotColour);
            DrawCard(owner, from, 0, kEmptyMark);
        } else {
            DrawCard(owner, from, eng.OppSlots(0, from), 0);
        }
    } else if (from >= 2) {
        if (eng.OppSlots(0, from) == 0) {
            pic.setBackColor(kEmptySlotColour);
            pic.setPicture(QImage());
            pic.setVisible(false);
        } else {
            DrawCard(owner, from, eng.OppSlots(0, from), 0);
        }
    } else if (eng.OppSideCount > 0) {
        const int card = eng.OppSlots(0, 1);
        const bool silentKing = !localGame() && eng.OppSlots(1, 1) == kKing;
        DrawCard(owner, 1, card, silentKing ? 0 : 1);
        markSeen(card);
        Pause(eng.CompDelay);
    } else {
        pic.setVisible(false);
    }
}

}  // namespace

void UncoverHoldPile(int p) {
    const int count = eng.OppHoldTable(p, 1) - 1;
    for (int f : {0, 1}) eng.OppHold(f, p, count + 1) = 0;
    eng.OppHoldTable(p, 1) = count;
    opp.UncoveredCard(0) = count > 0 ? eng.OppHold(0, p, count) : 0;
    opp.UncoveredCard(1) = count > 0 ? eng.OppHold(1, p, count) : 0;
    eng.OppHoldTable(p, 2) = HoldRunType(eng.OppHold, p, count, eng.OppHoldTable(p, 2));
}

void TakePayoffTop() {
    FrmGrisk& f = frmGrisk();
    eng.OppSideCount -= 1;
    if (eng.OppSideCount > 0) {
        eng.OppSideShape += 1;
        if (eng.OppSideCount == 1 && f.Stack.exists(eng.OppSideShape)) f.Stack(eng.OppSideShape).setVisible(false);
    }
    for (int fld : {0, 1}) eng.OppSlots(fld, 1) = eng.OppSideCount > 0 ? eng.OppSide(fld, eng.OppSideCount) : 0;
}

bool Comp_PayoffOpenCk(int /*Value*/) {
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (c != eng.TargetCenter && eng.CenterCount(c) + 1 == humanPayoff()) return true;
    return false;
}

void Comp_Play() {
    vb::ControlArray& owner = frmGrisk().seatPictures(eng.Pturn);
    const int c = eng.TargetCenter;
    if (c < 1 || c > eng.NumCenters) return;
    const int n = opp.PlanSet(c, 1);
    for (opp.PlanSource = 1; opp.PlanSource <= n; ++opp.PlanSource) {
        const int s = opp.PlanMoves(c, opp.PlanSource);
        if (s < 2 || s > 10) return;  // the pay-off card: the turn plays it
        const int rank = eng.OppSlots(1, s);
        if (rank == 0) return;
        if (rank == kKing) {
            if (eng.CenterCount(c) == 0 && eng.NoWildAce) return;
            opp.PlayedRank = kKing;
        } else if (rank != eng.CenterCount(c) + 1) {
            return;
        }
        for (int f : {0, 1}) eng.MoveCard(f) = eng.OppSlots(f, s);
        opp.MoveSlot = s;
        if (s < 7) eng.OppSlots(0, s) = eng.OppSlots(1, s) = 0;
        if (commentsOn() && rank == humanPayoff() && !Comp_PayoffOpenCk()) {
            SayRemark(kRemarkValueTaken);
            Pause(eng.CompDelay);
        }
        if (s >= 7) {
            UncoverHoldPile(s - 6);
            Comp_Flip(opp.MoveSlot, eng.TargetCenter, owner);
        } else {
            Comp_Flip(opp.MoveSlot, eng.TargetCenter, owner);
            if (rank == kKing && eng.CenterCount(c) == humanPayoff()) {
                // The remark only with comments on; the pause always.
                if (commentsOn()) SayRemark(kRemarkKingTookValue);
                Pause(3 * eng.CompDelay);
            }
            Pause(eng.CompDelay);
            eng.HandCount -= 1;
            if (eng.HandCount <= 0 && !refillEmptiedHand(owner)) return;
        }
        Comp_SideCompare(opp.MoveSlot);
        if (eng.CenterCount(c) == kFullPile) Add_Used();
        if (opp.PlanSet(c, 1) == 0) return;
    }
}

void Comp_Flip(int flipFrom, int FlipTo, vb::ControlArray& CardOwner) {
    FrmGrisk& f = frmGrisk();
    const bool king = eng.MoveCard(1) == kKing;
    if (localGame() && remarkLine().Caption() != eng.Comments(kRemarkValueTaken)) remarkLine().setCaption(QString());
    const int tookValue = eng.CenterCount(FlipTo) + 1;
    if (flipFrom == 1 && king && localGame()) {
        if (!Comp_PayoffOpenCk()) {
            SayRemark(kRemarkWildMissed);
            Pause(0.5);
        }
        if (recs.SoundLevel == 0) PlaySeatSoundToEnd(16);
        eng.OppWildSide += 1;
        WildUpdate();
    }

    eng.Flipping = true;
    eng.OppSlots(0, 0) = 0;
    vb::Control& moving = CardOwner(0);
    moving.setBackColor(recs.PlainColor);
    if (flipFrom == 1 && eng.OppSideCount > 0) {
        DrawCard(CardOwner, 0, 0, 0);
    } else if (flipFrom >= 7) {
        vb::Control& hold = CardOwner(flipFrom);
        if (opp.PlayedRank == kKing)
            moving.setGeometryTw(hold.leftTw(), hold.topTw(), moving.widthTw(), moving.heightTw());
        if (opp.UncoveredCard(0) != 0) DrawCard(CardOwner, flipFrom, opp.UncoveredCard(0), 0);
        if (eng.OppHoldTable(flipFrom - 6, 1) < 2) ShowPileOutline(hold, false, flipFrom - 6);
        if (pileInfoShowsSlot(flipFrom)) RefreshPileInfo(eng.TurnName);
        if (opp.UncoveredCard(0) == 0) DrawCard(CardOwner, flipFrom, 0, kEmptyMark);
    }

    if (flipFrom >= 2 && opp.PlayedRank == kKing) {
        WildShow(CardOwner);
    } else {
        if (flipFrom >= 2 && flipFrom <= 6 && !eng.Peeking) {
            CardOwner(flipFrom).ZOrder(0);
            DrawCard(CardOwner, flipFrom, eng.MoveCard(0), 0);
            Pause(eng.CompDelay);
        }
        AnimateCardMove(CardOwner, flipFrom, f.PicCenter, eng.TargetCenter);
    }

    eng.Flipping = false;
    StatsAdd(flipFrom, 3);
    Add_Center();
    opp.CardsMoved += 1;
    DrawCard(f.PicCenter, FlipTo, eng.MoveCard(0), king && !localGame() ? 0 : 2);
    if (eng.OppSideCount > 0) Pause(eng.CompDelay);

    if (flipFrom == 1) {
        if (f.Stack.exists(eng.OppSideShape)) f.Stack(eng.OppSideShape).setVisible(false);
        if (localGame()) Comp_SideCompare(1);
    } else if (king) {
        eng.OppWildHand += 1;
        WildUpdate();
    }
    opp.PlayedRank = 0;

    redrawSource(CardOwner, flipFrom);
    moving.setPicture(QImage());
    moving.setVisible(false);

    if (eng.OppSideCount > 0) {
        // The card played from the hand or the pay-off pile was seen on its way.
        if (flipFrom <= 6 && IsFormLoaded(QStringLiteral("frmCounter"))) markSeen(eng.MoveCard(0));
        Pause(eng.CompDelay);
    }
    if (localGame() && flipFrom == 1 && king) badLuckRemark(tookValue);
}

void WildShow(vb::ControlArray& CardOwner) {
    const int s = opp.MoveSlot;
    if (s >= 2 && s <= 6) {
        CardOwner(s).ZOrder(0);
        DrawCard(CardOwner, s, eng.MoveCard(0), 1);
    }
    if (recs.SoundLevel == 0) {
        if (localGame())
            PlaySeatSoundToEnd(16);
        else
            sound::PlayAsync(eng.SoundFiles(16));
    } else {
        Pause(0.5);
    }
    AnimateCardMove(CardOwner, s, frmGrisk().PicCenter, eng.TargetCenter);
    opp.PlayedRank = 0;
}

void Comp_SideCompare(int flipFrom) {
    eng.MsgText.clear();
    const int c = eng.TargetCenter;
    if (c < 1 || c > eng.NumCenters) return;
    const int blockedSeat = SeatOfPayOffRank(eng.CenterCount(c));
    const QString blocked = GetSeatPlayerName(eng.CenterCount(c));
    const bool king = eng.MoveCard(1) == kKing;
    const bool blockedHuman = blockedSeat == 1;
    if (blocked.isEmpty() && commentsOn()) {
        if (!(king && flipFrom == 1)) return;
        eng.MsgText = GetSeatPlayerName(kKing);
        if (eng.MsgText.isEmpty()) return;
    }
    if (flipFrom == 1) {
        bool open = false;
        if (commentsOn()) {
            if (!eng.MsgText.isEmpty()) {
                SayRemark(kRemarkOtherBlocked);
            } else {
                open = Comp_PayoffOpenCk();
                remarkLine().setCaption(humanPayoff() == 1 && !open ? QStringLiteral("Not quite a block...")
                                                                     : eng.Comments(kRemarkHumanBlocked));
            }
        }
        waits::DoEvents();
        if (blockedHuman && recs.SoundLevel == 0 && !open) playBlockSound();
    } else {
        if (king || Comp_PayoffOpenCk()) return;
        opp.LastBlockRemark = DrawOtherThan(opp.LastBlockRemark, 10, 11);
        const QString line = eng.Comments(opp.LastBlockRemark);
        if (blockedHuman) {
            if (commentsOn()) remarkLine().setCaption(line);
            waits::DoEvents();
            if (recs.SoundLevel == 0) playBlockSound();
        } else if (commentsOn() && !blocked.isEmpty()) {
            remarkLine().setCaption(blocked + ", " + line);
            Pause(2 * eng.CompDelay);
        }
    }
    if (commentsOn()) Pause(3 * eng.CompDelay);
}

}  // namespace grisk
