#include "net/dispatcher.h"

#include <array>

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/player_record.h"
#include "engine/program_sound.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "net/connection.h"
#include "net/frm_chat.h"
#include "net/internet_setup.h"
#include "net/protocol.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/state.h"
#include "shell/menu_commands.h"
#include "table/card_drawing.h"
#include "table/layout_redraw.h"
#include "table/layout_reset.h"

namespace grisk {

namespace {

// The connections whose answer the running round has counted.
std::array<bool, 5> answered{};
// A connection being ended for a bad line: its own box has been shown.
bool quietGone = false;
// Connections of the next seat that have answered the "OK" ending the turn
// before theirs: their move may come before this machine passes the turn.
std::array<bool, 5> turnHandedOver{};
// The seat whose turn is ending (its "OK" sent or received); 0 for none.
int turnEndingSeat = 0;

constexpr int kJoinSound = 108;

bool isHost() { return inet.IsHost == 1; }
bool gameUnderWay() { return eng.SideCount != 0 || eng.OppSideCount != 0; }
bool oldProtocol(const QString& version) { return PeerVersionAtMost(version, "74"); }

void enableChatSend() {
    if (FrmChatExists() && !frmChat().Command1.Enabled()) frmChat().Command1.setEnabled(true);
}

// An answer counts once per connection in a round; a round begins when
// its sender sets NetAnswers to 1.
void countAnswer(int slot) {
    if (inet.NetAnswers <= 1) answered.fill(false);
    if (slot < 0 || slot > kMaxSockets || answered[static_cast<std::size_t>(slot)]) return;
    answered[static_cast<std::size_t>(slot)] = true;
    inet.NetAnswers = std::min(inet.NetAnswers + 1, eng.NumPlayers);
}

// The host seat played at the other end of connection slot; 0 for none.
int seatOfSlot(int slot) {
    for (int i = 1; i <= 3; ++i)
        if (inet.NetSlots(i).Status != 0 && inet.NetSlots(i).SocketIndex == slot) return inet.NetSlots(i).Seat + 1;
    return 0;
}

int nextSeat() { return eng.NumPlayers > 0 ? eng.Pturn % eng.NumPlayers + 1 : 0; }

bool validSlot(int slot) { return slot >= 0 && slot <= kMaxSockets; }

// A host takes a move only from the player whose turn it is, or from the
// next player once it has answered the "OK" that ends the turn before.
bool moveInTurn(int slot) {
    const int seat = seatOfSlot(slot);
    if (seat == 0) return false;
    if (seat == eng.Pturn) return true;
    return seat == nextSeat() && turnHandedOver[static_cast<std::size_t>(slot)];
}

void countMoveAnswer(int slot) {
    if (!isHost() || eng.NumPlayers < 3)
        inet.NetAnswers = eng.NumPlayers;
    else
        countAnswer(slot);
}

// The player and centre counts of the table; the table is laid out again
// when either changed.
void setTableCounts(int players, int centres) {
    if (eng.NumPlayers == players && eng.NumCenters == centres) return;
    eng.NumPlayers = players;
    eng.NumCenters = centres;
    eng.TotalCards = 52 * players;
    eng.Deck.redim({{0, 2}, {0, eng.TotalCards}});
    eng.Used.redim({{0, 1}, {0, eng.TotalCards}});
    SetPlayerCount(players, centres);
    RedrawTable();
}

// The name of the peer on slot, for a box.
QString peerName(int slot) {
    if (isHost()) {
        const QString name = inet.NetSlots.inRange({slot}) ? inet.NetSlots(slot).SlotName : QString();
        return name.isEmpty() ? QStringLiteral("A player joining this game") : name;
    }
    return inet.HelloStage(0) == 0 && !inet.HostName.isEmpty() ? inet.HostName : QStringLiteral("The host");
}

// A hello's version gates, as both sides read them. False when the line is
// dropped (an old peer refused by a host that has one already).
bool takeHello(int slot, const Hello& hello) {
    if (isHost()) {
        if (inet.NetPeers == 99) inet.NetPeers = 0;
        inet.NetPeers += 1;
    }
    inet.HelloVersion = hello.version;
    inet.OldPeer = hello.old;
    if (!isHost() && hello.seat != 0) inet.MySeat = hello.seat;
    if (inet.NetPeers == 1 || !isHost()) {
        inet.PeerVersion = inet.HelloVersion;
    } else if (oldProtocol(inet.PeerVersion)) {
        inet.NetState = nsIdle;
        return false;
    }
    if (vb::Val(inet.HelloVersion) > 74) return true;
    if (isHost() && inet.NetPeers >= 2) {
        vb::MsgBox(QStringLiteral("An opponent tried to join this game who is not using Quenmoor Multiplayer. "
                                  "They cannot join this game."),
                   vb::vbCritical, QStringLiteral("Connection Request Denied"));
        NetRefuseConnection(slot);
        inet.NetPeers -= 1;
        inet.NetState = nsIdle;
        return false;
    }
    QString text = QStringLiteral("Your opponent does not have the lastest version of Quenmoor.\r\n"
                                  "Not all online game features are available.");
    setTableCounts(2, 3);
    if (vb::Val(inet.PeerVersion) < 52) {
        text += QStringLiteral("\r\n\r\nOnly House Rules are in effect.");
        eng.SideOption = 19;
        eng.ForcedCards = 0;
        eng.NoWildAce = false;
    }
    vb::MsgBox(text, vb::vbInformation, QStringLiteral("Playing older version."));
    return true;
}

// The seats 1..3 of the host's peers: slot's seat when the peer count is
// its number, else the lowest seat no other slot holds.
int seatFor(int slot) {
    if (inet.NetPeers == slot && slot >= 1 && slot <= 3) return slot;
    for (int seat = 1; seat <= 3; ++seat) {
        bool taken = false;
        for (int k = 1; k <= 3; ++k)
            if (k != slot && inet.NetSlots(k).Status != 0 && inet.NetSlots(k).Seat == seat) taken = true;
        if (!taken) return seat;
    }
    return 1;
}

// ---- The host -----------------------------------------------------------

// Returns false when the end bookkeeping is skipped.
bool hostHello(int slot, const QString& line) {
    QString fault;
    const std::optional<Hello> hello = ReadHello(line, false, &fault);
    if (!hello) {
        NetDropPeer(slot, fault);
        return false;
    }
    if (!takeHello(slot, *hello)) return false;
    inet.NetSlots(slot).Reserved = hello->reserved;
    inet.NetOutMsg = BuildNameLine(eng.PlayerName, true, inet.HelloVersion);
    int to = slot;
    NetSendToSlot(inet.NetOutMsg, to);
    if (inet.NetState == nsGone) return false;  // the peer left meanwhile
    if (inet.OldPeer)
        vb::MsgBox(QStringLiteral("Your opponent is playing with an old version of Quenmoor. Not all features "
                                  "will be available."),
                   vb::vbExclamation, QStringLiteral("Quenmoor"));
    return true;
}

bool hostName(int slot, const QString& line) {
    FrmGrisk& f = frmGrisk();
    const QString name = ReadPeerName(line, false, inet.HelloVersion);
    if (name.isEmpty()) {
        NetDropPeer(slot, QStringLiteral("a name line without a name"));
        return false;
    }
    inet.NetText = name;
    if (inet.NetPeers >= eng.NumPlayers) {
        inet.NetState = inet.LastKind(slot);
        return false;
    }
    if (inet.NetPeers < 2) {
        PlayProgramSound(kJoinSound);
    } else if (vb::MsgBox(name + " has requested to join this game. Accept the request?", vb::vbYesNo,
                          QStringLiteral("New opponent joining")) != vb::vbYes) {
        NetRefuseConnection(slot);
        inet.LastKind(slot) = nsName;
        inet.NetPeers -= 1;
        return false;
    }
    if (inet.NetSlots(slot).Status == 0) return false;  // gone while the question stood
    f.Label9(2).setCaption(name + " has joined the game.");
    const int seat = seatFor(slot);
    inet.NetSlots(slot).Seat = seat;
    inet.NetSlots(slot).SlotName = name;
    if (seat == 1) {
        recs.OppName = name;
        eng.Player2.Name = name;
        AvatarFileLookup(eng.Player2);
    }
    if (oldProtocol(inet.HelloVersion)) {
        QString start = QStringLiteral("GS");
        int to = slot;
        NetSendToSlot(start, to);
        f.StatusMsg.setVisible(false);
        ShowOpponentNames();
        return true;
    }
    if (seat == 2) {
        eng.Player3.Name = name;
        AvatarFileLookup(eng.Player3);
    } else if (seat == 3) {
        eng.Player4.Name = name;
        AvatarFileLookup(eng.Player4);
    }
    LoadOpponentAvatars();
    NetSendSeatList();
    if (inet.NetPeers == 0) return false;
    enableChatSend();
    ShowHostRules();
    if (gameUnderWay()) {
        ResetTableDisplay();
        QString end = QStringLiteral("EG");
        int except = slot;
        NetSendToOthers(end, except);
    }
    ShowOpponentNames();
    return true;
}

bool hostTakes(int slot, int kind, const QString& line) {
    FrmGrisk& f = frmGrisk();
    switch (kind) {
    case nsHello: return hostHello(slot, line);
    case nsName: return hostName(slot, line);
    case nsGameStart:
        countAnswer(slot);
        f.Label9(0).setCaption(QString());
        inet.MoveArrived = true;
        break;
    case nsDeck: countAnswer(slot); break;
    case nsRecover:
        countAnswer(slot);
        inet.MoveArrived = true;
        break;
    case nsTurn:
        countAnswer(slot);
        f.Label9(0).setCaption(QStringLiteral(" "));
        enableChatSend();
        break;
    case nsSeatList:
        inet.LastKind(slot) = 0;
        countAnswer(slot);
        inet.MoveArrived = true;
        return false;
    case nsGone: NetPeerGone(slot); return false;
    default: break;
    }
    return true;
}

void hostPeerGone(int slot) {
    FrmGrisk& f = frmGrisk();
    if (!inet.NetSlots.inRange({slot}) || slot == 0 || inet.NetSlots(slot).Status == 0) {
        CloseSocket(slot);
        return;
    }
    CloseSocket(slot);
    NetSlot& s = inet.NetSlots(slot);
    s.SocketIndex = 0;
    s.Status = 0;
    vb::Beep();
    const QString text = (s.SlotName.isEmpty() ? QStringLiteral("Your opponent") : s.SlotName) + " quit the game.";
    f.Label9(1).setCaption(text);
    if (eng.Pturn == 0 && !quietGone) vb::MsgBox(text, vb::vbCritical, QStringLiteral("Quenmoor"));
    s.SlotName.clear();
    s.Reserved.clear();
    s.Seat = 0;
    if (!quietGone) AskSaveEndedNetGame();
    inet.NetState = nsEndGame;
    inet.LastKind(slot) = nsEndGame;
    inet.NetAnswers = eng.NumPlayers;
    int live = 0;
    for (int k = 1; k <= std::min(inet.NetSlotCount, kMaxSockets); ++k)
        if (inet.NetSlots(k).Status != 0) ++live;
    if (live > 0) {
        // Peers still in the handshake are not yet counted.
        if (inet.NetPeers != 99) inet.NetPeers = live;
        ResetTableDisplay();
        QString end = QStringLiteral("EG");
        int all = 0;
        NetSendToOthers(end, all);
        Pause(0.5);
    } else {
        NetCleanUp();
        inet.IsHost = 0;
        inet.MoveArrived = true;
        f.Label9(1).setCaption(text);  // the table says who left
    }
    inet.NetAnswers = eng.NumPlayers - 1;
}

// ---- A client -----------------------------------------------------------

void clientHello(const QString& line) {
    FrmGrisk& f = frmGrisk();
    QString fault;
    const std::optional<Hello> hello = ReadHello(line, true, &fault);
    if (!hello) {
        NetDropPeer(inet.NetSockIndex, fault);
        return;
    }
    takeHello(inet.NetSockIndex, *hello);
    f.StatusMsg.setCaption(QStringLiteral(" Connected! \r\n Waiting for dealer to start game... "));
    f.StatusMsg.setVisible(true);
    PlayProgramSound(kJoinSound);
    if (inet.OldPeer) {
        vb::MsgBox(QStringLiteral("Your opponent is not playing with the latest version of Quenmoor. Not all "
                                  "features will be available."),
                   vb::vbExclamation, QStringLiteral("Quenmoor"));
        if (recs.DeckStyle > 5) {
            vb::MsgBox(QStringLiteral("Unable to use picture playing cards!\r\nSwitching to number cards!"),
                       vb::vbExclamation, QStringLiteral("Quenmoor"));
            recs.DeckStyle = 1;
            LoadRankCardImages();
        }
    }
    inet.NetOutMsg = BuildClientHello();
    int host = 0;
    NetSendToSlot(inet.NetOutMsg, host);
    if (inet.NetPeers != 0) inet.NetPeers = 1;
}

void clientName(const QString& line) {
    FrmGrisk& f = frmGrisk();
    const QString name = ReadPeerName(line, true, inet.PeerVersion);
    if (name.isEmpty()) {
        NetDropPeer(inet.NetSockIndex, QStringLiteral("a name line without a name"));
        return;
    }
    inet.NetText = name;
    recs.OppName = name;
    inet.HostName = name;
    eng.Player2.Name = name;
    if (oldProtocol(inet.PeerVersion)) ShowOpponentNames();
    inet.NetOutMsg = QStringLiteral("NM ") + eng.PlayerName;
    int host = 0;
    NetSendToSlot(inet.NetOutMsg, host);
    f.Label9(2).setCaption("You are connected to Host: " + recs.OppName);
    AvatarFileLookup(eng.Player2);
}

void clientSeatList(const QString& line) {
    const std::optional<SeatList> list = ReadSeatList(line);
    if (!list) return;  // GetNetCode has refused it already
    ResetTableDisplay();
    const int players = list->count == 5 ? 2 : list->count;
    const int centres = list->count == 5 ? 4 : (players == 2 ? 3 : 4);
    setTableCounts(players, centres);
    QString answer = QStringLiteral("LO");
    int host = 0;
    NetSendToSlot(answer, host);
    if (inet.NetPeers == 0) return;
    enableChatSend();
    inet.NetPeers = eng.NumPlayers - 1;
    eng.TotalCards = 52 * eng.NumPlayers;
    inet.MySeat = list->seat;
    if (list->count == 2 || list->count == 5) {
        eng.Player2.Name = inet.HostName;
    } else {
        for (int k = 2; k <= eng.NumPlayers; ++k) {
            const int hostSeat = (inet.MySeat + k - 1) % eng.NumPlayers + 1;
            SeatRecord(k).Name = hostSeat == 1 ? inet.HostName : list->names.value(hostSeat - 2);
        }
    }
    for (int k = 2; k <= eng.NumPlayers; ++k) AvatarFileLookup(SeatRecord(k));
    ShowOpponentNames();
    ShowRulesSummary();
    if (inet.NetSetupDone == 0) inet.NetState = nsSeatsDone;
}

void clientTakes(const QString& line, int kind) {
    FrmGrisk& f = frmGrisk();
    switch (kind) {
    case nsHello: clientHello(line); break;
    case nsName: clientName(line); break;
    case nsSeatList: clientSeatList(line); break;
    case nsGameStart:
        if (!oldProtocol(inet.PeerVersion) || inet.NetSetupDone == 1) {
            ResetTableDisplay();
            f.StatusMsg.setCaption(QStringLiteral("Click the DEAL button to begin."));
            f.StatusMsg.setVisible(true);
            EnablePileRange(f.Picture7, false, 1, 10);
            f.Label9(2).setCaption(QStringLiteral("Click the DEAL button to begin:"));
            f.Label9(1).setCaption(QStringLiteral("HOST began a NEW GAME!\r\n"));
            vb::Beep();
            f.cmdDeal.setVisible(true);
        } else {
            NetAnswerHost(QStringLiteral("GS"));
            inet.MoveArrived = true;
            f.StatusMsg.setVisible(false);
        }
        f.Label9(0).setCaption(QString());
        break;
    case nsDeck: inet.NetPayload = inet.NetText; break;
    case nsTurn:
        if (inet.MsgNumber != 0 && inet.MsgNumber <= eng.NumPlayers) {
            eng.Pturn = inet.MsgNumber;
            // Hosts of the two-player protocol count the seats the other way round.
            if (oldProtocol(inet.PeerVersion)) eng.Pturn = eng.Pturn == 1 ? 2 : 1;
        } else {
            inet.MsgNumber = 0;  // the deal refuses it
        }
        f.Label9(0).setCaption(QStringLiteral(" "));
        enableChatSend();
        inet.NetAnswers = eng.NumPlayers;
        break;
    case nsRecover:
        inet.NetPayload = inet.NetText;
        GetRecover();
        if (inet.NetPeers == 0) break;  // a damaged game ended the connection
        f.StatusMsg.setCaption(QStringLiteral("Click the Deal button to resume this game."));
        f.StatusMsg.setVisible(true);
        f.Label9(1).setCaption(QStringLiteral("HOST resumed a saved game.\r\n"));
        if (inet.PeerVersion < QLatin1String("74")) {
            f.LabelPeek.setCaption(QStringLiteral("This is NOT a secure saved game."));
            f.LabelPeek.setVisible(true);
        }
        f.cmdDeal.setVisible(true);
        vb::Beep();
        break;
    case nsGone: NetPeerGone(inet.NetSockIndex); break;
    case nsEndGame:
        ResetTableDisplay();
        f.Label9(1).setCaption(QStringLiteral("Host has ended this game. Wait for the start of a new game."));
        break;
    default: break;
    }
}

void clientHostGone() {
    FrmGrisk& f = frmGrisk();
    CloseMainSocket();
    f.Label9(1).setCaption(QStringLiteral("Dealer has terminated game."));
    if (!quietGone) {
        vb::MsgBox(QStringLiteral("Dealer has terminated game."), vb::vbCritical, QStringLiteral("Quenmoor"));
        AskSaveEndedNetGame();
    }
    NetCleanUp();
    inet.MoveArrived = true;
    inet.NetState = nsIdle;
}

// A handshake line out of its order: IP first and once, NM next and once,
// nothing else before them (but a good-bye); a seat list only from a host
// above "74" once the names are exchanged.
QString outOfOrder(int slot, int kind, const QString& line) {
    const int stage = inet.HelloStage(slot);
    if (kind == nsGone) return QString();
    if (kind == nsHello) return stage == 1 ? QString() : QStringLiteral("a second hello");
    if (kind == nsName) {
        if (stage == 1) return QStringLiteral("a name before the hello");
        return stage == 2 ? QString() : QStringLiteral("a second name");
    }
    if (stage != 0) return QStringLiteral("a line before the hello and the names");
    if (kind == nsSeatList && !isHost() && !IsBareNetLine(line) && oldProtocol(inet.PeerVersion))
        return QStringLiteral("a seat list from a two-player host");
    return QString();
}

}  // namespace

void NetNewConnection(int slot) {
    if (slot < 0 || slot > kMaxSockets) return;
    inet.HelloStage(slot) = 1;
    answered[static_cast<std::size_t>(slot)] = false;
    inet.LastKind(slot) = 0;
    inet.PartialText(slot).clear();
}

void NetTurnEnding() { turnEndingSeat = eng.Pturn; }

void NetBeginAnswerRound() {
    inet.NetAnswers = 1;
    answered.fill(false);
}

bool NetEveryPeerAnswered() {
    if (inet.NetPeers == 0) return false;
    for (int k = 1; k <= std::min(inet.NetSlotCount, 3); ++k) {
        const NetSlot& s = inet.NetSlots(k);
        if (s.Status != 0 && (!validSlot(s.SocketIndex) || !answered[static_cast<std::size_t>(s.SocketIndex)]))
            return false;
    }
    return true;
}

void NetHandshakeDone(int slot) {
    if (slot >= 0 && slot <= kMaxSockets) inet.HelloStage(slot) = 0;
}

void NetProcessMessage(int slot, const QString& line) {
    if (!inet.LastKind.inRange({slot})) return;
    QString fault;
    const int kind = GetNetCode(line, &fault);
    if (kind == kNetGarbage) {
        NetDropPeer(slot, fault);
        return;
    }
    fault = outOfOrder(slot, kind, line);
    if (!fault.isEmpty()) {
        NetDropPeer(slot, fault);
        return;
    }
    if (kind == nsHello) inet.HelloStage(slot) = 2;
    if (kind == nsName) inet.HelloStage(slot) = 0;
    inet.NetState = kind;
    // The same kind twice in a row from one connection is a repeat; a seat
    // list to a client never is, nor a good-bye.
    const bool seatListHere = kind == nsSeatList && !isHost();
    if (slot == inet.LastSlot && kind == inet.LastKind(slot) && !seatListHere && kind != nsGone) return;
    inet.LastSlot = slot;

    // A new game, a saved game or new seats: no move of the game before is
    // left to replay.
    if (kind == nsGameStart || kind == nsEndGame || kind == nsRecover || kind == nsSeatList) inet.MoveSender = -1;
    if (isHost() && validSlot(slot)) {
        const bool move = kind == nsPlayCard && !IsBareNetLine(line);
        if (move && !moveInTurn(slot)) {
            NetDropPeer(slot, QStringLiteral("a move out of turn"));
            return;
        }
        if (move || kind == nsGameStart || kind == nsEndGame || kind == nsRecover || kind == nsSeatList) {
            turnHandedOver.fill(false);
            turnEndingSeat = 0;
        }
        if (kind == nsOkay && eng.Pturn != 0) {
            const int seat = seatOfSlot(slot);
            if (seat == eng.Pturn) turnEndingSeat = eng.Pturn;
            else if (seat == nextSeat() && turnEndingSeat == eng.Pturn)
                turnHandedOver[static_cast<std::size_t>(slot)] = true;
        }
    }
    if (kind == nsPlayCard || kind == nsWait || kind == nsOkay) {
        countMoveAnswer(slot);
        // A move (the bare code is an answer) waits for the remote turn that
        // replays it.
        if (kind == nsPlayCard && !IsBareNetLine(line)) {
            inet.MoveFrom = inet.MsgNumber;
            inet.MoveTo = inet.NetText.toInt();
            inet.MoveSender = slot;
        }
        if (kind == nsPlayCard) inet.MoveArrived = true;
    }
    bool bookkeeping = true;
    if (isHost())
        bookkeeping = hostTakes(slot, kind, line);
    else
        clientTakes(line, kind);
    if (!bookkeeping || inet.NetPeers == 0) return;
    inet.LastKind(slot) = inet.NetState;
    if (isHost()) {
        inet.HelloBusy = false;
        if (inet.PendingHello != 0) {
            const int pending = inet.PendingHello;
            inet.PendingHello = 0;
            inet.HelloBusy = true;
            NetSendHello(pending);
        }
    }
}

void NetPeerGone(int slot) {
    if (inet.NetPeers == 0) return;
    if (isHost())
        hostPeerGone(slot);
    else
        clientHostGone();
}

void NetEndConnection(int slot, const QString& text, const QString& title) {
    if (inet.NetPeers == 0) return;
    if (inet.PartialText.inRange({slot})) inet.PartialText(slot).clear();
    CloseSocket(slot);
    vb::MsgBox(text, vb::vbExclamation, title);
    const bool wasQuiet = quietGone;
    quietGone = true;
    inet.NetState = nsGone;
    NetPeerGone(slot);
    quietGone = wasQuiet;
    frmGrisk().cmdDeal.setVisible(true);
}

void NetDropPeer(int slot, const QString& what) {
    const QString name = peerName(slot);
    NetEndConnection(slot, name + " sent something this game cannot take (" + what + ").\r\nThe connection to " +
                               name + " has been closed.",
                     QStringLiteral("Quenmoor"));
}

void NetDropSilentPeer(int slot) {
    const QString name = peerName(slot);
    NetEndConnection(slot, name + " has not answered for two minutes.\r\nThe connection to " + name +
                               " has been closed.",
                     QStringLiteral("Quenmoor"));
}

void LoadOpponentAvatars() {
    auto taken = [](int k) { return inet.NetSlots(k).Status != 0; };
    if (inet.NetPeers < 3) {
        if (inet.NetPeers > 1 && taken(1) && !taken(2)) {
            inet.NetSlots(3).Seat = 2;
        } else if (!taken(1) || inet.NetPeers < 2) {
            if (inet.NetPeers == 1) {
                const int k = taken(1) ? 1 : taken(2) ? 2 : 3;
                inet.NetSlots(k).Seat = 1;
            } else {
                inet.NetSlots(2).Seat = 1;
                inet.NetSlots(3).Seat = 2;
            }
        }
    }
    for (int k = 1; k <= 3; ++k) {
        if (!taken(k)) continue;
        const int seat = inet.NetSlots(k).Seat;
        if (seat < 1 || seat > 3) continue;
        PlayerRecord& rec = SeatRecord(seat + 1);
        rec.Name = inet.NetSlots(k).SlotName;
        AvatarFileLookup(rec);
    }
}

void ShowHostRules() {
    FrmGrisk& f = frmGrisk();
    QString text = "Number of players is " + QString::number(eng.NumPlayers) + "\r\n";
    if (eng.NumPlayers == 2) text += "Number of centers is " + QString::number(eng.NumCenters) + "\r\n";
    text += QStringLiteral("To change number of players or centers, go to Internet Menu, Host Setup.\r\n"
                           "Press F2 or choose New to start the game.");
    f.StatusMsg.setCaption(text);
    f.StatusMsg.setVisible(true);
    if (!eng.RulesText.isEmpty())
        f.Label9(1).setCaption("HOST RULES SET:\r\n" + eng.RulesText +
                               "\r\nIf these aren't the rules you want, please change them before starting the game.");
}

void AskSaveEndedNetGame() {
    if (eng.Pturn == 0) return;
    if (vb::MsgBox(QStringLiteral("This game has ended. Would you like to save this game?"), vb::vbYesNo,
                   QStringLiteral("Save Game")) == vb::vbYes) {
        recs.EndedNetGameSave = true;
        MenuGameCommand(3);
    }
    ResetTableDisplay();
}

}  // namespace grisk
