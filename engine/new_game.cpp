// A new game: the Deal button and Game_New.
#include <vector>

#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "table/avatar.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/card_sounds.h"
#include "table/layout_redraw.h"
#include "table/layout_reset.h"
#include "table/layout_stacks.h"

namespace grisk {

namespace {

// The opponent whose record is loaded speaks up when it has one or two
// pay-off cards left and the human has more. False when the human, asked,
// answers No.
bool opponentLetsGo() {
    if (eng.OppSideCount != 1 && eng.OppSideCount != 2) return true;
    const QString title = eng.Player2.Name;
    if (eng.SideCount - eng.OppSideCount >= 10) {
        eng.MsgText = QStringLiteral("Sure, go ahead, start a new game when I'm winning!");
        eng.MsgAnswer = vb::MsgBox(eng.MsgText, vb::vbOKOnly, title);
        return true;
    }
    if (eng.SideCount > eng.OppSideCount) {
        eng.MsgText = QStringLiteral("Are you serious?!\nI'm about to win and you want to start a new game???");
        eng.MsgAnswer = vb::MsgBox(eng.MsgText, vb::vbYesNo, title);
        return eng.MsgAnswer != vb::vbNo;
    }
    return true;
}

// The host of an Internet game tells every peer that a new game begins and
// waits until each has pressed its Deal button. False when the game cannot
// start.
bool hostStartsGame(FrmGrisk& f) {
    ResetTableDisplay();
    if (eng.NumPlayers != inet.NetPeers + 1) {
        vb::MsgBox("You have" + vb::Str(inet.NetPeers) + " opponent(s).\nUse the Internet Menu, Host "
                   "Setup option to change the setup to match the number of players.");
        return false;
    }
    EnablePileRange(f.Picture7, false, 1, 10);
    eng.DealAllowed = false;
    f.StatusMsg.setVisible(false);
    QString start = QStringLiteral("GS");
    int all = 0;
    NetSendToOthers(start, all);
    inet.NetAnswers = 1;
    f.StatusMsg.setCaption(QStringLiteral("Waiting for opponent(s) to click their DEAL button so the game can begin"));
    f.StatusMsg.setVisible(true);
    f.Label9(0).setCaption(QStringLiteral("WAITING for Opponent"));
    if (!NetWaitUntil([] { return inet.NetState == nsGameStart && inet.NetAnswers == eng.NumPlayers; }))
        return false;
    f.StatusMsg.setVisible(false);
    f.Label9(0).setCaption(QString());
    return true;
}

void unloadPileInformation() {
    const std::vector<vb::Form*> open = vb::forms::loaded();
    for (vb::Form* form : open)
        if (form->Name() == QLatin1String("frmHold")) form->Unload(1);
}

// A remote machine's Deal button answers the host's new game or saved game.
// False when the game ended while it waited.
bool answerHostsGame(FrmGrisk& f) {
    f.StatusMsg.setVisible(false);
    if (inet.NetState == nsGameStart) {
        NetAnswerHost(QStringLiteral("GS"));
    } else if (inet.NetState == nsRecover) {
        NetAnswerHost(QStringLiteral("RC"));
        if (!PeerVersionAtMost(inet.PeerVersion, "74")) {
            if (!NetWaitUntil([] { return inet.NetState == nsResume; })) return false;
            if (recs.SoundLevel != 2) PlayCardSound(1);
        }
    }
    if (f.LabelPeek.Visible()) f.LabelPeek.setVisible(false);
    inet.MoveArrived = true;
    return true;
}

// A saved game the host sent goes on from where it was saved.
void resumeReceivedGame(FrmGrisk& f) {
    inet.NetRestorePending = 0;
    if (inet.LastKind.inRange({inet.NetSockIndex})) inet.LastKind(inet.NetSockIndex) = nsResume;
    ShowStackShapes(true);
    RedrawTable();
    const bool mine = eng.Pturn == 1;
    f.Label9(1).setCaption(mine ? QStringLiteral("\n     It's still your turn.")
                                : QStringLiteral("\n     It's NOT your turn."));
    eng.RecountHand = mine ? 0 : 1;
    eng.TurnStart = mine ? 1 : 0;
    f.ImgTurn1.setVisible(mine);
    f.ImgTurn2.setVisible(!mine);
    if (!mine) ComputerTurn();
}

}  // namespace

bool Game_New() {
    FrmGrisk& f = frmGrisk();
    const bool local = inet.NetPeers == 0;
    if (local && cmd.FlowRunning) {
        cmd.DealFromGameNew = true;
        f.cmdDeal_Click();
        return false;
    }
    // Asked before anything changes, so that No leaves the game as it was.
    if (local && !opponentLetsGo()) return false;

    cmd.DealFromGameNew = false;
    f.cmdDeal.setVisible(false);
    eng.StalemateState = 0;
    recs.TurnCount = 0;
    f.Label9(1).setCaption(QString());
    f.Label9(2).setCaption(QString());
    if (!local && !hostStartsGame(f)) return false;

    eng.DealAllowed = true;
    unloadPileInformation();
    cmd.TurnRestored = false;
    if (local) ResetTableDisplay();
    PlayProgramSound(122);
    if (!cmd.GameRestored && recs.DeckStyle >= 6) {
        f.Picture7(1).setBorderStyle(0);
        f.Picture1(1).setBorderStyle(0);
    }
    cmd.GameRestored = true;
    if (SetUp()) {
        GoDeal();
    } else {
        eng.GameBusy = false;
    }
    return true;
}

void FrmGrisk::Click(vb::Control& c) {
    if (&c == &cmdDeal)
        cmdDeal_Click();
    else if (&c == &ImgAvatar)
        AvatarSlap();
    else if (&c == &imgSlap)
        imgSlap_Click();
}

void FrmGrisk::cmdDeal_Click() {
    const bool local = inet.NetPeers == 0;
    if (local && cmd.FlowRunning) {
        // The end-of-game card flow stops; nothing else happens.
        cmd.FlowClicked = true;
        cmd.FlowStop = true;
        return;
    }
    cmdDeal.setVisible(false);
    Label9(2).setCaption(QString());

    if (local) {
        if (!cmd.DealFromGameNew) cmd.GameRestored = false;
        Game_New();
        if (eng.Quitting) {
            eng.GameBusy = false;
            Unload(1);
        }
        return;
    }

    if (inet.IsHost != 1) {
        if (!answerHostsGame(*this)) return;
        if (inet.NetRestorePending == 1) {
            resumeReceivedGame(*this);
            return;
        }
        if (!SetUp()) {
            eng.GameBusy = false;
            return;
        }
    }
    GoDeal();
}

}  // namespace grisk
