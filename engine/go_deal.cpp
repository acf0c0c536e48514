// The deal played out on the table: pay-off piles, the first player's
// announcement, the hands, the auto-save and the first turn.
#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/piles.h"
#include "engine/player_record.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/state.h"
#include "platform/vb.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "table/avatar.h"
#include "table/card_counter.h"
#include "table/card_drawing.h"
#include "table/layout_stacks.h"
#include "table/status_bar.h"
#include "table/wild_counters.h"

namespace grisk {

namespace {

// Shows the top of a pay-off pile face up, without a sound, and counts the
// card as seen.
void showPayOffTop(vb::ControlArray& pile, int cardNo) {
    DrawCard(pile, 1, cardNo, 0);
    if (eng.Deck.inRange({2, cardNo})) eng.Deck(2, cardNo) = 1;
}

void showPayOffPiles(FrmGrisk& f) {
    ShowStackShapes(true);
    showPayOffTop(f.Picture1, eng.Player2.Side(0, eng.OppSideCount));
    showPayOffTop(f.Picture7, eng.PlayerSide(0, eng.SideCount));
    f.ImgHold.setVisible(true);
    if (eng.NumPlayers >= 3) showPayOffTop(f.Picture2, eng.Player3.Side(0, eng.OppSideCount));
    if (eng.NumPlayers == 4) showPayOffTop(f.Picture3, eng.Player4.Side(0, eng.OppSideCount));
}

// Another seat begins: its announcement, then its turn.
void otherSeatBegins(FrmGrisk& f, bool local) {
    ExchangePlayerRecord(SeatRecord(eng.Pturn), false);
    if (eng.TieCount != 0) {
        f.Label9(2).setCaption(eng.TurnName + " won the toss --\nSo " + eng.TurnName + " goes FIRST!");
        if (recs.SoundLevel != 2) PlayProgramSoundToEnd(123);
        if (local) Pause(2);
    } else {
        if (eng.NumPlayers == 2)
            f.Label9(2).setCaption("My " + vb::Str(eng.OppSlots(1, 1)) + " beats\nyour" +
                                   vb::Str(eng.PlayerSlots(1, 1)) + "\nSo I go FIRST!");
        else
            f.Label9(2).setCaption(eng.TurnName + " has the highest card.\n" + eng.TurnName +
                                   " goes FIRST!");
        if (local) Pause(1.85);
    }
    Pause(eng.CompDelay);
    ComputerTurn();
}

void humanBegins(FrmGrisk& f) {
    f.Label9(2).setCaption(QStringLiteral("\n\nYOU go first"));
    if (!eng.PlayerAvatar.isEmpty() && (inet.NetPeers != 0 || eng.NumPlayers >= 3))
        ShowAvatar(eng.PlayerAvatar);
    else if (eng.PlayerAvatar.isEmpty() && inet.NetPeers != 0)
        f.ImgAvatar.setPicture(QImage());
    if (recs.AutoSaveOn) {
        eng.MoveLogPos = 1;
        BuildSaveRecord();
        WriteMoveLogRecord(1);
    }
    EnablePileRange(f.Picture7, true, 1, 10);
    eng.Dragging = 0;
}

// The stock cannot fill every hand (a stock cut short, which only a fault
// leaves): no hand is dealt half, the player is told, and the game ends
// plainly, ready for the next deal.
void dealFailed(FrmGrisk& f, bool local) {
    ShowDealerError();
    eng.Pturn = 0;
    EnablePileRange(f.Picture7, false, 1, 10);
    f.ImgTurn1.setVisible(false);
    f.ImgTurn2.setVisible(false);
    if (local) f.cmdDeal.setVisible(true);
    eng.GameBusy = false;
}

}  // namespace

bool Deal_All() {
    FrmGrisk& f = frmGrisk();
    const std::vector<int> order = DealOrder();
    const bool internet = inet.NetPeers != 0;
    for (int slot = 2; slot <= 6; ++slot) {
        for (int seat : order) {
            if (internet && inet.NetPeers == 0) return false;  // the Internet game ended meanwhile
            const bool dealt = seat == 1 ? DealCard(f.Picture7, eng.PlayerSlots, slot, 5)
                                         : DealCard(f.seatPictures(seat), SeatRecord(seat).Slots, slot, 3);
            if (!dealt) return false;
        }
    }
    return true;
}

void GoDeal() {
    FrmGrisk& f = frmGrisk();
    const bool local = inet.NetPeers == 0;
    eng.GameBusy = true;
    f.Label9(1).setCaption(QStringLiteral(" "));
    if (local) f.Label9(2).setCaption(QStringLiteral(" "));
    PlayProgramSound(121);

    showPayOffPiles(f);
    Pause(0.6);
    PlayProgramSound(118);

    if (eng.StockCount < kHandSize * eng.NumPlayers || !Deal_All()) {
        // An Internet game that ended while the cards flew has left a
        // local table already: nothing failed here.
        if (!local && inet.NetPeers == 0) {
            eng.GameBusy = false;
            return;
        }
        dealFailed(f, local);
        return;
    }
    if (!local && inet.NetPeers == 0) {
        eng.GameBusy = false;
        return;
    }
    AutoSaveGame();
    recs.TurnCount = 1;
    StatusBar_Clear();
    WildUpdate();
    if (IsFormLoaded(QStringLiteral("frmCounter"))) UpdateCardCounter();

    f.ImgTurn1.setVisible(eng.Pturn == 1);
    f.ImgTurn2.setVisible(eng.Pturn >= 2);

    if (eng.TieCount != 0) {
        f.Label9(1).setCaption(QStringLiteral("It was a tie...\nWe flipped for it."));
        PlayProgramSoundToEnd(123);
        Pause(0.5);
    }
    if (eng.Quitting) return;

    if (eng.Pturn >= 2)
        otherSeatBegins(f, local);
    else
        humanBegins(f);
    eng.GameBusy = false;
}

}  // namespace grisk
