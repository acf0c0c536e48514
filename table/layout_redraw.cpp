#include "table/layout_redraw.h"

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/vb.h"
#include "records/state.h"
#include "table/card_drawing.h"
#include "table/layout_pictures.h"
#include "table/layout_stacks.h"
#include "table/state.h"
#include "shell/state.h"

namespace grisk {

namespace {

// The record of the seat whose pile array this is; nullptr for the human.
PlayerRecord* recordOf(const vb::ControlArray& pile) {
    switch (FrmGrisk::seatOf(pile)) {
    case 2: return &eng.Player2;
    case 3: return &eng.Player3;
    case 4: return &eng.Player4;
    default: return nullptr;
    }
}

// The pay-off slot shows the large back with large cards on a screen of
// 12000 twips or more; the other seats at three or four players always have
// small cards.
bool largePayOffBack(bool human) {
    if (tbl.DisplayMode >= 2 || eng.ScreenWidthTw < 12000) return false;
    return human || eng.NumPlayers <= 2;
}

int faceBorder() { return recs.DeckStyle < 6 ? 1 : 0; }

void redrawCentrePile(FrmGrisk& f, int c) {
    if (!f.PicCenter.exists(c)) return;
    vb::Control& pile = f.PicCenter(c);
    const bool hasWild = f.LblWild.exists(c);
    const int count = eng.CenterCount(c);
    // A count from a damaged saved game shows the pile as empty.
    if (count > 0 && count <= eng.CenterPile.ubound(3)) {
        DrawCard(f.PicCenter, c, eng.CenterPile(0, c, count), 0);
        if (eng.CenterPile(1, c, count) == 13) {
            if (hasWild) {
                f.LblWild(c).setCaption(QString::number(count));
                f.LblWild(c).setVisible(true);
            }
            pile.setToolTipText(vb::Str(count));
        } else {
            pile.setToolTipText(QString());
            if (hasWild) f.LblWild(c).setVisible(false);
        }
    } else {
        ShowEmptyPile(pile);
        if (hasWild) f.LblWild(c).setVisible(false);
    }
}

}  // namespace

void RedrawPlayerPiles(vb::ControlArray& pile, vb::Array<int, 2>& cardSlots) {
    const bool human = FrmGrisk::seatOf(pile) == 1;
    const PlayerRecord* rec = recordOf(pile);

    if (pile.exists(1)) {
        vb::Control& payOff = pile(1);
        payOff.setBorderStyle(faceBorder());
        // The back first: the top card's face is painted over it.
        if (!cmd.GameRestored) {
            payOff.setPicture(CardBackPicture(largePayOffBack(human)));
            payOff.setBackColor(recs.PlainColor);
        }
        if (cardSlots(0, 1) != 0)
            DrawCard(pile, 1, cardSlots(0, 1), 0);
        else
            payOff.setVisible(false);  // a pay-off pile without cards shows no back
    }

    for (int slot = 2; slot <= 6; ++slot) {
        if (!pile.exists(slot)) continue;
        vb::Control& card = pile(slot);
        if (cardSlots(0, slot) == 0) {
            card.setVisible(false);
        } else if (human || eng.Peeking) {
            card.setBorderStyle(faceBorder());
            DrawCard(pile, slot, cardSlots(0, slot), 0);
        } else {
            card.setBorderStyle(recs.BackStyle == 0 ? 1 : 0);
            DrawCard(pile, slot, 0, 0);
        }
    }

    for (int slot = 7; slot <= 10; ++slot) {
        if (!pile.exists(slot)) continue;
        pile(slot).setBorderStyle(1);
        if (cardSlots(0, slot) == 0) {
            DrawCard(pile, slot, 0, kEmptyMark);
            continue;
        }
        DrawCard(pile, slot, cardSlots(0, slot), 0);
        const int p = slot - 6;
        const bool under = human ? eng.PlayerHoldCount(p) >= 1 : rec && rec->HoldTable(p, 1) >= 2;
        if (under) ShowPileOutline(pile(slot), true, p);
    }
}

void RedrawTable() {
    FrmGrisk& f = frmGrisk();
    RedrawPlayerPiles(f.Picture7, eng.PlayerSlots);
    RedrawPlayerPiles(f.Picture1, eng.Player2.Slots);
    if (eng.NumPlayers > 2) RedrawPlayerPiles(f.Picture2, eng.Player3.Slots);
    if (eng.NumPlayers == 4) RedrawPlayerPiles(f.Picture3, eng.Player4.Slots);

    for (int c = 1; c <= eng.NumCenters; ++c) redrawCentrePile(f, c);

    vb::Control& stock = f.PicCenter(0);
    stock.setBorderStyle(1);
    stock.setBackColor(recs.PlainColor);
    // A stock that ran out for good (a stalemated game) shows the empty mark.
    if (eng.StalemateState == 1)
        ShowEmptyPile(stock);
    else
        stock.setPicture(CardBackPicture(!(eng.ScreenWidthTw < 12001 || tbl.DisplayMode >= 2)));

    const std::vector<int> shapes = f.Stack.indexes();
    for (auto it = shapes.rbegin(); it != shapes.rend(); ++it)
        if (*it >= 1) f.Stack(*it).setFillColor(recs.PlainColor);

    if (eng.SideCount < 2) f.ImgHold.setVisible(false);
    f.ImgHold.setBorderStyle(recs.BackStyle == 0 ? 1 : 0);
    if (!cmd.GameRestored && recs.BackStyle == 0) {
        f.Picture7(1).setBorderStyle(1);
        f.Picture1(1).setBorderStyle(1);
    }
    if (recs.BackgroundIdx == recs.NumBackgrounds + 1) f.setBackColor(recs.TableColor);
}

}  // namespace grisk
