#include "engine/player_move.h"

#include <QImage>

#include "engine/cards.h"
#include "engine/end_turn.h"
#include "engine/frm_grisk.h"
#include "engine/game_end.h"
#include "engine/general.h"
#include "engine/piles.h"
#include "engine/player_record.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "net/protocol.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/remarks.h"
#include "records/saved_games.h"
#include "records/stats.h"
#include "records/state.h"
#include "shell/state.h"
#include "shell/tutorial.h"
#include "table/animation.h"
#include "table/avatar.h"
#include "table/card_counter.h"
#include "table/card_drawing.h"
#include "table/layout_stacks.h"
#include "table/pile_info.h"
#include "table/wild_counters.h"

namespace grisk {

namespace {
constexpr int kWhite = 0xFFFFFF;

bool connectionEnded() {
    const int s = inet.NetState;
    return inet.NetPeers == 0 || s == nsGone || s == nsEndGame || s == nsGameStart || s == nsSeatList;
}

bool anyCentrePileEmpty() {
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (eng.CenterCount(c) == 0) return true;
    return false;
}


// The lowest seat whose pay-off top the pile's new value blocks; 0 for none.
int blockedSeat(int standing) {
    int seat = 0;
    if (eng.NumPlayers == 4 && standing == eng.Player4.Slots(1, 1)) seat = 4;
    if (eng.NumPlayers > 2 && standing == eng.Player3.Slots(1, 1)) seat = 3;
    if (standing == eng.Player2.Slots(1, 1)) seat = 2;
    return seat;
}

// The blocked seat remarks on the play (local games only).
void blockingRemark(int c, int s) {
    const int standing = eng.CenterCount(c);
    const int seat = blockedSeat(standing);
    if (seat == 0) return;
    if (standing == 1 && anyCentrePileEmpty()) return;
    PlayerRecord& rec = SeatRecord(seat);
    FrmGrisk& f = frmGrisk();
    eng.LastBlockRemark = DrawOtherThan(eng.LastBlockRemark, 10, 1);
    if (!eng.NoComments) f.Label9(2).setCaption(rec.RecComments(eng.LastBlockRemark));
    if (eng.NumPlayers > 2) {
        ShowAvatar(rec.Avatar);
        eng.RestoreOwnAvatar = true;
    }
    waits::DoEvents();
    if (recs.SoundLevel != 0) return;
    int soundNo = 11;
    if (s != 1) {
        eng.LastBlockSound = DrawOtherThan(eng.LastBlockSound, 4, 7);
        soundNo = eng.LastBlockSound;
    }
    if (standing == kFullPile)
        sound::PlaySync(rec.Sounds(soundNo));
    else
        sound::PlayAsync(rec.Sounds(soundNo));
}

// The source pile after its top was played; false when that was the last
// pay-off card and the game is over.
bool takeFromSource(int s, int c) {
    FrmGrisk& f = frmGrisk();
    vb::Control& pic = f.Picture7(s);
    if (s == 1) {
        eng.SideCount -= 1;
        for (int fld : {0, 1}) eng.PlayerSlots(fld, 1) = eng.PlayerSide(fld, eng.SideCount);
        if (eng.SideCount > 0) {
            eng.SideShape += 1;
            if (f.Stack.exists(eng.SideShape)) f.Stack(eng.SideShape).setVisible(false);
        }
        if (eng.DragMove) {
            pic.setGeometryTw(screen::PixelsToTwips(eng.DragLeft), screen::PixelsToTwips(eng.DragTop),
                              pic.widthTw(), pic.heightTw());
            eng.DragMove = false;
        }
        if (eng.SideCount == 0) {
            pic.setVisible(false);
            DrawCard(f.PicCenter, c, eng.CenterPile(0, c, eng.CenterCount(c)), 2);
            waits::DoEvents();
            if (inet.NetPeers != 0) Move_Transmit_Done();
            Game_End();
            return false;
        }
        if (eng.SideCount == 1) {
            f.ImgHold.setPicture(QImage());
            f.ImgHold.setVisible(false);
        }
        pic.setBackColor(recs.PlainColor);
        DrawCard(f.Picture7, 1, 0, 0);
    } else if (s <= 6) {
        eng.PlayerSlots(0, s) = 0;
        eng.PlayerSlots(1, s) = 0;
        eng.HandCount -= 1;
        pic.setVisible(false);
        pic.setPicture(QImage());
    } else {
        const int p = s - 6;
        const int under = eng.PlayerHoldCount(p);
        for (int fld : {0, 1}) eng.PlayerSlots(fld, s) = eng.PlayerHold(fld, p, under);
        if (under > 0) {
            if (under == 1) ShowPileOutline(pic, false, p);
            eng.PlayerHoldCount(p) -= 1;
            DrawCard(f.Picture7, s, eng.PlayerSlots(0, s), 2);
        } else {
            DrawCard(f.Picture7, s, 0, kEmptyMark);
        }
        if (PileInfoShown() && eng.InfoPile == s) RefreshPileInfo(QString());
    }
    return true;
}

// Remarks on the play and the next pay-off card turned up.
void afterThePlay(int s, int c) {
    FrmGrisk& f = frmGrisk();
    const int standing = eng.CenterCount(c);
    const int sideTop = eng.PlayerSlots(1, 1);
    const bool king = eng.MoveCard(1) == kKing;
    if (standing == sideTop && s != 1) Dumbness();
    if (standing == sideTop && s == 1) f.Label9(1).setCaption(QStringLiteral("\nMurphy's Law strikes again!"));
    if (s == 1) {
        if (!(king && inet.NetPeers != 0)) Pause(eng.CompDelay);
        const int top = eng.PlayerSide(0, eng.SideCount);
        DrawCard(f.Picture7, 1, top, 1);
        eng.Deck(2, top) = 1;
        if (IsFormLoaded(QStringLiteral("frmCounter"))) UpdateCardCounter();
    }
    if (eng.MoveCard(1) == sideTop && s != 1 && sideTop != kKing) Dumbness();
}
}  // namespace

HumanMoveGuard::HumanMoveGuard(int firstLocked) : wasBusy_(eng.GameBusy) {
    eng.HumanMoveBusy = true;
    eng.GameBusy = true;
    EnablePileRange(frmGrisk().Picture7, false, firstLocked, 10);
}

HumanMoveGuard::~HumanMoveGuard() {
    eng.HumanMoveBusy = false;
    eng.GameBusy = wasBusy_;
}

void Player_Move() {
    if (eng.Pturn != 1 || eng.HumanMoveBusy) return;
    HumanMoveGuard move;
    FrmGrisk& f = frmGrisk();
    const int s = eng.SourceSlot;
    const int c = eng.TargetCenter;

    if (!eng.DragMove) AnimateCardMove(f.Picture7, s, f.PicCenter, c);
    StatsAdd(s, 1);
    eng.MoveCard(1) = eng.PlayerSlots(1, s);
    eng.MoveCard(0) = eng.PlayerSlots(0, s);
    Add_Center();
    eng.OutMoveFrom = s;
    eng.OutMoveTo = c;
    const bool king = eng.MoveCard(1) == kKing;
    if (king) {
        if (s == 1)
            eng.PlayerWildSide += 1;
        else
            eng.PlayerWildHand += 1;
        WildUpdate();
    }

    if (!takeFromSource(s, c)) {
        // The game is over: the tutorial's step is done too.
        if (cmd.TutorialOn) TutorialPlayDone();
        return;
    }

    DrawCard(f.PicCenter, c, eng.CenterPile(0, c, eng.CenterCount(c)), 2);
    vb::Control& pic = f.Picture7(s);
    if (eng.DragMove) {
        pic.setGeometryTw(screen::PixelsToTwips(eng.DragLeft), screen::PixelsToTwips(eng.DragTop), pic.widthTw(),
                          pic.heightTw());
    } else {
        f.Picture1(0).setVisible(false);
        if (s >= 7) pic.setVisible(true);
    }

    const bool complete = eng.CenterCount(c) == kFullPile;
    if (king) {
        if (recs.SoundLevel == 0) {
            sound::PlayAsync(eng.SoundFiles(1));
            if (complete || s == 1 || eng.HandCount == 0) Pause(0.75);
        } else if (complete) {
            Pause(eng.CompDelay);
        }
    }
    if (recs.DeckStyle < 6) f.PicCenter(c).setBackColor(kWhite);

    afterThePlay(s, c);
    if (inet.NetPeers == 0) blockingRemark(c, s);

    if (inet.NetPeers != 0) {
        Move_Transmit();
        if (connectionEnded()) return;
    }
    if (eng.CenterCount(c) == kFullPile) {
        Pause(eng.CompDelay);
        Add_Used();
    }
    if (eng.HandCount == 0) Deal_Players(f.Picture7, eng.PlayerSlots);
    if (eng.StalemateState == 1) return;
    if (eng.StalemateState == 2) eng.StalemateState = 0;

    if (recs.AutoSaveOn) {
        eng.MoveLogPos += 1;
        BuildSaveRecord();
        // An undo to this move brings the turn's runs back with it.
        recs.SaveRecord.Title = TitleWithRuns(recs.SaveRecord.Title);
        WriteMoveLogRecord(eng.MoveLogPos);
    }
    EnablePileRange(f.Picture7, !cmd.TutorialOn, 1, 10);
    if (cmd.TutorialOn) TutorialPlayDone();
}

void Hand_Sort(vb::Array<int, 2>& cards, vb::ControlArray& owner, int& fromPos, int& toPos) {
    FrmGrisk& f = frmGrisk();
    const bool human = &owner == &f.Picture7;
    if (!inet.OldPeer) {
        const int keptNo = cards(0, fromPos);
        const int keptRank = cards(1, fromPos);
        PlayProgramSound(kSoundClearing);
        if (fromPos != toPos && !human) AnimateCardMove(owner, fromPos, owner, toPos);
        const int step = fromPos > toPos ? -1 : 1;
        for (int i = fromPos; i != toPos; i += step) {
            cards(0, i) = cards(0, i + step);
            cards(1, i) = cards(1, i + step);
        }
        cards(0, toPos) = keptNo;
        cards(1, toPos) = keptRank;
    }
    if (toPos < fromPos) std::swap(fromPos, toPos);
    for (int i = fromPos; i <= toPos; ++i) {
        vb::Control& pic = owner(i);
        if (cards(0, i) == 0) {
            pic.setPicture(QImage());
            pic.setVisible(false);
        } else {
            pic.setVisible(true);
            DrawCard(owner, i, eng.Pturn == 1 || eng.Peeking ? cards(0, i) : 0, 0);
        }
        Pause(0.02);
    }
}

int DrawOtherThan(int last, int range, int first) {
    int k;
    do {
        k = static_cast<int>(vb::Rnd() * range) + first;
    } while (k == last);
    return k;
}

}  // namespace grisk
