#include "engine/stalemate.h"

#include <algorithm>

#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/piles.h"
#include "engine/player_record.h"
#include "engine/program_sound.h"
#include "engine/reshuffle_net.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/protocol.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vberror.h"
#include "table/card_counter.h"
#include "table/card_drawing.h"
#include "table/frm_pic.h"
#include "table/layout_pictures.h"
#include "table/layout.h"

namespace grisk {

namespace {
constexpr int kRecoveryFailed = 666;

void failRecovery() {
    vb::MsgBox(QStringLiteral("Oops! Sorry, I dropped the cards and can't redeal. Let's give up on this stalemate "
                              "and start a new game."),
               vb::vbOKOnly + vb::vbExclamation, QStringLiteral("Dealer Error"));
    eng.ScratchIndex = kRecoveryFailed;
}

void toUsedPile(int number, int rank) {
    eng.UsedCount += 1;
    eng.Used(0, eng.UsedCount) = number;
    eng.Used(1, eng.UsedCount) = rank;
}

int centrePileHeight(int c) {
    int k = 0;
    while (k < kFullPile && eng.CenterPile(1, c, k + 1) != 0) ++k;
    return k;
}

// Every card the recovery gathers: the centre piles, the hands and the hold
// piles of every seat.
int cardsInPlay() {
    int n = 0;
    for (int c = 1; c <= eng.NumCenters; ++c) n += centrePileHeight(c);
    for (int s = 2; s <= 10; ++s)
        if (eng.PlayerSlots(1, s) != 0) ++n;
    for (int p = 1; p <= 4; ++p) n += eng.PlayerHoldCount(p);
    for (int seat = 2; seat <= eng.NumPlayers; ++seat) {
        const PlayerRecord& rec = SeatRecord(seat);
        for (int s = 2; s <= 6; ++s)
            if (rec.Slots(1, s) != 0) ++n;
        for (int p = 1; p <= 4; ++p) n += rec.HoldTable(p, 1);
    }
    return n;
}

bool seatIsMoving() { return eng.Pturn >= 2 && eng.Pturn <= 4; }

// Whether an Ace lies anywhere a recovery could bring it back into play: on
// a centre pile, in a hand, on a hold pile or on top of a pay-off pile (the
// cards under the pay-off tops stay where they are).
bool anAceInPlay() {
    const auto ace = [](int rank) { return rank == 1; };
    for (int c = 1; c <= eng.NumCenters; ++c)
        for (int k = 1; k <= centrePileHeight(c); ++k)
            if (ace(eng.CenterPile(1, c, k))) return true;
    for (int s = 1; s <= 10; ++s)
        if (ace(eng.PlayerSlots(1, s))) return true;
    for (int p = 1; p <= 4; ++p)
        for (int d = 1; d <= eng.PlayerHoldCount(p); ++d)
            if (ace(eng.PlayerHold(1, p, d))) return true;
    for (int seat = 2; seat <= eng.NumPlayers; ++seat) {
        const PlayerRecord& rec = SeatRecord(seat);
        for (int s = 1; s <= 10; ++s)
            if (ace(rec.Slots(1, s))) return true;
        for (int p = 1; p <= 4; ++p)
            for (int d = 1; d <= std::min(rec.HoldTable(p, 1), 30); ++d)
                if (ace(rec.Hold(1, p, d))) return true;
    }
    return false;
}

// Under the no-wild-Ace rule a pile can only be started with an Ace: with
// every Ace buried in the pay-off piles no recovery can change anything,
// and the table would stall again and again.
bool recoveryCanHelp() {
    if (!eng.NoWildAce) return true;
    // The seat on turn keeps its cards in the loaded-seat variables.
    GoUpdateOpponents();
    return anAceInPlay();
}

void pauseAfterClearing() {
    PlayProgramSound(kSoundClearing);
    Pause(0.75);
}

void lockHumanPiles() { EnablePileRange(frmGrisk().Picture7, false, 1, 10); }

void giveUp() {
    FrmGrisk& f = frmGrisk();
    eng.Pturn = 0;
    lockHumanPiles();
    for (int i = 1; i <= 4 * eng.NumPlayers; ++i)
        if (f.StackHold.exists(i)) f.StackHold(i).setVisible(false);
    if (inet.NetPeers != 0 && inet.IsHost == 1) ResetTableDisplay();
    RedrawTable();
}
}  // namespace

void STALEMATE() {
    FrmGrisk& f = frmGrisk();
    f.Timer1.Enabled = false;
    f.Picture1(0).setVisible(false);
    // The stock is out of cards: it shows the empty-pile mark.
    ShowEmptyPile(f.PicCenter(0));
    f.imgIcon.setVisible(false);
    f.Label9(1).setCaption(QStringLiteral("UNBELIEVABLY ROZORERI!\nWe're out of cards.\nI can't deal anymore."));
    const bool decides = inet.NetPeers == 0 || inet.IsHost == 1;
    if (decides) {
        f.Label9(2).setCaption(QStringLiteral("This game declared a Stalemate! Reshuffle cards in play to continue "
                                              "or start up a new game."));
    } else {
        f.Label9(2).setCaption(
            QStringLiteral("HOST will decide whether to reshuffle the cards in play or start a new game."));
        inet.NetState = nsWait;
    }
    PlayProgramSound(kSoundRefused);
    eng.StalemateState = 1;

    bool recover = false;
    if (decides) {
        if (recoveryCanHelp()) {
            eng.MsgAnswer = vb::MsgBox(QStringLiteral("Reshuffle cards and continue with this game?"), vb::vbYesNo,
                                       QStringLiteral("Stalemate"));
            recover = eng.MsgAnswer == vb::vbYes;
        }
        if (!recover) {
            f.Label9(2).setCaption(QStringLiteral("You tossed the Stalemated game. Press F2 to start a new game or "
                                                  "select New Game from the menu."));
        } else if (inet.NetPeers != 0) {
            SendStalemateRecovery();
        }
    } else {
        const int decision = AwaitStalemateDecision();
        if (decision < 0) return;
        recover = decision == 1;
    }

    if (!recover) {
        giveUp();
        return;
    }
    eng.StalemateState = 2;
    Stale_Recover();
    if (eng.ScratchIndex == kRecoveryFailed) {
        failRecovery();
        eng.StalemateState = 1;
        eng.Pturn = 0;
        eng.ScratchIndex = 0;
        lockHumanPiles();
        f.PicCenter(0).setPicture(frmPic().FilePic(0).Picture());
    }
}

void Stale_Recover() {
    FrmGrisk& f = frmGrisk();
    try {
        GoUpdateOpponents();

        // The counts are checked before any card moves: the used pile must
        // take every card in play, and those cards must be enough for the
        // new hands.
        const int gathered = cardsInPlay();
        const int needed = kHandSize * eng.NumPlayers;
        if (eng.UsedCount + gathered > eng.Used.ubound(2) || eng.StockCount + eng.UsedCount + gathered < needed) {
            failRecovery();
            return;
        }

        f.Label9(0).setCaption(QStringLiteral(" CLEARING Center "));
        for (int c = 1; c <= eng.NumCenters; ++c) {
            const int height = centrePileHeight(c);
            for (int k = 1; k <= height; ++k) toUsedPile(eng.CenterPile(0, c, k), eng.CenterPile(1, c, k));
            ShowEmptyPile(f.PicCenter(c));
            f.LblWild(c).setVisible(false);
        }
        eng.CenterPile.redim({{0, 1}, {0, eng.NumCenters}, {0, kFullPile}});
        eng.CenterCount.redim({{0, eng.NumCenters}});
        pauseAfterClearing();

        f.Label9(0).setCaption(QStringLiteral(" CLEARING Player Hand "));
        for (int s = 2; s <= 6; ++s) {
            if (eng.PlayerSlots(1, s) == 0) continue;
            toUsedPile(eng.PlayerSlots(0, s), eng.PlayerSlots(1, s));
            f.Picture7(s).setVisible(false);
            f.Picture7(s).setPicture(QImage());
            eng.PlayerSlots(0, s) = 0;
            eng.PlayerSlots(1, s) = 0;
        }

        f.Label9(0).setCaption(QStringLiteral(" CLEARING Player Hold "));
        for (int s = 7; s <= 10; ++s) {
            if (eng.PlayerSlots(1, s) == 0) continue;
            toUsedPile(eng.PlayerSlots(0, s), eng.PlayerSlots(1, s));
            ShowPileOutline(f.Picture7(s), false, s - 6);
        }
        for (int p = 1; p <= 4; ++p) {
            for (int d = 1; d <= eng.PlayerHoldCount(p); ++d) toUsedPile(eng.PlayerHold(0, p, d), eng.PlayerHold(1, p, d));
            eng.PlayerSlots(0, p + 6) = 0;
            eng.PlayerSlots(1, p + 6) = 0;
            DrawCard(f.Picture7, p + 6, 0, kEmptyMark);
        }
        eng.PlayerHold.clear();
        eng.PlayerHoldCount.clear();
        pauseAfterClearing();

        f.Label9(0).setCaption(QStringLiteral(" CLEARING Opponents's Cards "));
        GatherPilesForRecovery(eng.Player2, f.Picture1);
        if (eng.NumPlayers >= 3) GatherPilesForRecovery(eng.Player3, f.Picture2);
        if (eng.NumPlayers >= 4) GatherPilesForRecovery(eng.Player4, f.Picture3);
        pauseAfterClearing();
        NoteCardsMoved();  // every card in play on the used pile

        RESHUFFLE();
        // A reshuffle that ended early (a lost host) leaves too short a stock.
        if (eng.StockCount < needed) {
            failRecovery();
            return;
        }
        for (int i = 1; i <= eng.TotalCards; ++i) eng.Deck(2, i) = 0;
        RedrawTable();
        if (!Deal_All()) {
            failRecovery();
            return;
        }

        if (seatIsMoving()) {
            ExchangePlayerRecord(SeatRecord(eng.Pturn), false);
            eng.TurnStart = 2;
        } else if (eng.Pturn == 1) {
            eng.RecountHand = 1;
            // The human's hand was just dealt anew: it counts five again, so
            // that playing it empty refills it.
            eng.HandCount = 5;
        }
        f.Label9(1).setCaption(QString());
        f.Label9(2).setCaption(QString());
        eng.MsgText.clear();
        eng.Deck(2, eng.OppSide(0, eng.OppSideCount)) = 1;
        eng.Deck(2, eng.PlayerSide(0, eng.SideCount)) = 1;
        if (IsFormLoaded(QStringLiteral("frmCounter"))) UpdateCardCounter();
    } catch (const vb::Error&) {
        failRecovery();
    }
}

void GatherPilesForRecovery(PlayerRecord& rec, vb::ControlArray& owner) {
    for (int s = 2; s <= 6; ++s) {
        if (rec.Slots(1, s) == 0) continue;
        toUsedPile(rec.Slots(0, s), rec.Slots(1, s));
        owner(s).setVisible(false);
        owner(s).setPicture(QImage());
    }
    for (int p = 1; p <= 4; ++p) {
        for (int d = 1; d <= rec.HoldTable(p, 1); ++d) toUsedPile(rec.Hold(0, p, d), rec.Hold(1, p, d));
        ShowPileOutline(owner(p + 6), false, p);
        DrawCard(owner, p + 6, 0, kEmptyMark);
    }
    for (int s = 2; s <= 10; ++s) {
        rec.Slots(0, s) = 0;
        rec.Slots(1, s) = 0;
    }
    rec.HoldTable.clear();
    rec.Hold.clear();
}

}  // namespace grisk
