#include "engine/turn_cycle.h"

#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "net/protocol.h"
#include "net/remote_turn.h"
#include "net/state.h"
#include "opponent/computer.h"
#include "platform/twips.h"
#include "records/remarks.h"
#include "records/state.h"
#include "shell/state.h"
#include "shell/tutorial.h"
#include "table/avatar.h"
#include "table/state.h"

namespace grisk {

namespace {

constexpr int kIdleTwoPlayersMs = 12000;
constexpr int kIdleMorePlayersMs = 24000;
constexpr int kMostNudges = 4;

TurnWatch& turnWatch() {
    static TurnWatch watch;
    return watch;
}

// The template picture that card animations move takes a card size.
void sizeFlyingCard(int widthPx, int heightPx) {
    vb::Control& card = frmGrisk().Picture1(0);
    card.setGeometryTw(card.leftTw(), card.topTw(), screen::PixelsToTwips(widthPx), screen::PixelsToTwips(heightPx));
}

// The human is to move again: the card size, the avatar and the idle timer.
void backToTheHuman(FrmGrisk& f) {
    if (tbl.DisplayMode < 2) sizeFlyingCard(71, 96);
    const bool netGame = inet.NetPeers != 0;
    if (eng.PlayerAvatar.isEmpty() && inet.NetPeers > 2)
        f.ImgAvatar.setPicture(QImage());
    else if (!eng.PlayerAvatar.isEmpty() && (netGame || eng.NumPlayers > 2))
        ShowAvatar(eng.PlayerAvatar);
    if (recs.NudgeCount(0) < kMostNudges && !netGame && !cmd.TutorialOn) {
        f.Timer1.Interval = eng.NumPlayers == 2 ? kIdleTwoPlayersMs : kIdleMorePlayersMs;
        f.Timer1.Enabled = true;
    }
}

// The tutorial waits for its Next button after the other seats' turns.
void tutorialWaits(FrmGrisk& f) {
    f.Timer1.Enabled = false;
    EnablePlayerCards(false);
    frmTutorial().cmdNextTip.setEnabled(true);
    cmd.TutorialWait = true;
}

}  // namespace

void SetTurnWatch(TurnWatch watch) { turnWatch() = std::move(watch); }

void NoteCardsMoved() {
    const TurnWatch& watch = turnWatch();
    if (watch.moved) watch.moved();
}

void ComputerTurn() {
    if (eng.Quitting) {
        eng.GameBusy = false;
        return;
    }
    const bool local = inet.NetPeers == 0;
    eng.GameBusy = local;
    if (!local && inet.NetState == nsEndGame) return;

    FrmGrisk& f = frmGrisk();
    if (eng.NumPlayers >= 3) sizeFlyingCard(59, 80);
    while (eng.Pturn >= 2) {
        if (cmd.TutorialOn) {
            f.imgTipUp.setVisible(false);
            f.imgTip.setVisible(false);
            frmTutorial().cmdBack.setEnabled(false);
        }
        if (eng.Quitting || cmd.RestartRequested) break;
        const int seat = eng.Pturn;
        PlayerRecord& rec = SeatRecord(seat);
        ExchangePlayerRecord(rec, false);
        ShowPlayerStatus(rec);
        f.Label9(1).setCaption(eng.TurnName + "'s turn");
        const TurnWatch& watch = turnWatch();
        if (!local) {
            // A remote player's turn, replayed from that machine's lines; an
            // Internet game that is over or interrupted leaves the cycle.
            const int state = inet.NetState;
            if (state == nsGone || state == nsEndGame || state == nsGameStart || state == nsSeatList) return;
            if (watch.before) watch.before(seat);
            const int savedGames = inet.SavedGamesTaken;
            Opponent();
            if (watch.after) watch.after(seat);
            // A saved game sent or received meanwhile plays on from its own start.
            if (inet.NetPeers == 0 || inet.SavedGamesTaken != savedGames) return;
        } else {
            if (eng.NumPlayers >= 3 && eng.LevelNames.inRange({eng.OppLevel}))
                f.lblLevel.setCaption(eng.LevelNames(eng.OppLevel));
            if (watch.before) watch.before(seat);
            Computer();
            if (watch.after) watch.after(seat);
        }
        // A turn that did not pass (a stalemate left undecided) must not be
        // played again and again.
        if (eng.Pturn == seat) break;
    }
    eng.GameBusy = false;

    if (eng.Pturn == 1 && !cmd.RestartRequested && !eng.Quitting) backToTheHuman(f);
    if (cmd.RestartRequested) {
        // The new game asked for while the others played ("New Game" of the
        // Game menu, which now finds the turn free).
        cmd.RestartRequested = false;
        const int seat = eng.Pturn;
        eng.Pturn = 0;
        if (!Game_New()) {
            // Declined ("Are you serious?!" answered No): the game goes on
            // where it stood, with the seats still to play before the human.
            eng.Pturn = seat;
            if (seat >= 2) {
                ComputerTurn();
                return;
            }
            if (seat == 1 && !eng.Quitting) backToTheHuman(f);
        }
    }
    if (cmd.TutorialOn) tutorialWaits(f);
}

void FrmGrisk::Timer1_Timer() { ShowRandomComment(); }

}  // namespace grisk
