#include "engine/cards.h"

#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "platform/random.h"
#include "shell/state.h"
#include "table/animation.h"
#include "table/card_counter.h"
#include "table/card_drawing.h"

namespace grisk {

int CardRank(int& cardNo) {
    if (cardNo == 0) return 0;
    while (cardNo >= 53) cardNo -= 52;
    const int rank = cardNo % 13;
    return rank == 0 ? 13 : rank;
}

void ShuffleDeck(int from, int to, int offset) {
    const int count = eng.StockCount;
    for (int pass = 1; pass <= 10; ++pass) {
        for (int i = from; i <= to; ++i) {
            const int k = static_cast<int>(vb::Rnd() * count) + 1 + offset;
            std::swap(eng.Deck(0, i), eng.Deck(0, k));
            std::swap(eng.Deck(1, i), eng.Deck(1, k));
        }
    }
}

bool DealCard(vb::ControlArray& ctl, vb::Array<int, 2>& Slots, int index, int sound) {
    // Everything is checked before anything changes: a damaged stock (from
    // a saved game) or a slot that does not exist leaves the game as it was.
    if (eng.StockCount < 1 || !eng.Deck.inRange({0, eng.StockCount})) return false;
    const int cardNo = eng.Deck(0, eng.StockCount);
    if (cardNo < 1 || cardNo > eng.TotalCards || !eng.Deck.inRange({2, cardNo})) return false;
    if (index < 1 || !Slots.inRange({1, index}) || !ctl.exists(index)) return false;

    FrmGrisk& f = frmGrisk();
    eng.CardMoving = true;
    // The flag never stays up, whatever the pictures do.
    struct Lower {
        ~Lower() { eng.CardMoving = false; }
    } lower;

    vb::Control& flying = f.Picture1(0);
    const vb::Control& stock = f.PicCenter(0);
    flying.setGeometryTw(stock.leftTw(), stock.topTw(), flying.widthTw(), flying.heightTw());
    DrawCard(f.Picture1, 0, 0, 0);
    flying.setVisible(true);

    Slots(1, index) = eng.Deck(1, eng.StockCount);
    eng.Deck(1, eng.StockCount) = 0;
    Slots(0, index) = cardNo;
    eng.Deck(0, eng.StockCount) = 0;
    eng.StockCount -= 1;
    eng.Deck(2, cardNo) = 1;
    NoteCardsMoved();

    AnimateCardMove(f.Picture1, 0, ctl, index);

    if (&ctl == &f.Picture7 || eng.Peeking)
        DrawCard(ctl, index, cardNo, sound);
    else
        DrawCard(ctl, index, 0, sound);
    ctl(index).setVisible(true);

    eng.CardMoving = false;
    if (IsFormLoaded(QStringLiteral("frmCounter"))) UpdateCardCounter();
    Pause(sound == 3 ? 0.02 : eng.CompDelay / 2);
    return true;
}

int HandCards(const vb::Array<int, 2>& cards) {
    int n = 0;
    for (int s = 2; s <= 6; ++s) n += cards(1, s) != 0 ? 1 : 0;
    return n;
}

void EnableCardControl(vb::ControlArray& ctl, int index) { ctl(index).setEnabled(true); }

void EnablePlayerCards(bool flag) {
    FrmGrisk& f = frmGrisk();
    for (int i = 1; i <= 10; ++i) f.Picture7(i).setEnabled(cmd.TutorialOn && i >= 7 ? true : flag);
}

void EnablePileRange(vb::ControlArray& ctl, bool flag, int first, int last) {
    for (int i = std::max(first, 0); i <= std::min(last, 10); ++i)
        ctl(i).setEnabled(eng.PlayerSlots(0, i) != 0 ? flag : false);
}

}  // namespace grisk
