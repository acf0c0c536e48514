// The Internet play's shared state.
#pragma once

#include <QString>

#include "platform/vbarray.h"

namespace grisk {

// One entry of the connection table: one socket element and its peer.
struct NetSlot {
    QString SlotName;   // the peer's player name from its NM line; "" when free
    int SocketIndex = 0;  // the socket element of the slot; 0 when free
    int Status = 0;       // 7 a connected Internet player, 0 free
    int Seat = 0;         // the client's seat 1..3 as the host counts them; 0 when free
    QString Reserved;     // the per-connection text of the peer's hello
};

struct InternetState {
    int NetPeers = 0;  // 0 a local game, 99 while a connection is being made, else the peers
    int IsHost = 0;    // 1 = this machine hosts; 0 a client; 9 the last attempt failed
    int NetState = 0;  // the kind of the last line parsed
    int NetPort = 1001;
    QString HostAddress;  // the host's address as this machine reached it
    int NetSockIndex = 0;  // the element of this machine's own listening or connecting socket
    int NetSlotCount = 0;  // socket elements the host has loaded for peers
    vb::Array<NetSlot, 1> NetSlots{{0, 4}};
    QString MyVersion = QStringLiteral(" 9. 6. 0");
    QString HelloVersion;  // the version code of the last hello
    QString PeerVersion;   // two-digit version code of the other side, compared as text
    bool OldPeer = false;  // the peer's hello had no version
    int MySeat = 0;        // a client's seat as the host counts them (1..3)
    // The chat: lines this machine has sent (a 16-bit count that wraps
    // to 1), the number and the speaker tag of the last line received
    // ("Ann: ", "GRISK: " for a system line, or ""), the last peek state a
    // peer sent, the chat log open, and the personalities whose sounds the
    // chat offers ("" a free place).
    int ChatCount = 0;
    int LastChatNumber = 0;
    QString ChatSpeaker;
    bool PeerPeeking = false;
    bool ChatLogOn = false;
    vb::Array<QString, 1> ChatSoundSets{{1, 3}};
    // A client has heard the host's quit notice.
    bool HostQuit = false;
    QString HostName;
    QString NetTerminator = QStringLiteral("\n");

    // The last line parsed and the send-and-wait rounds.
    vb::Array<int, 1> LastKind{{0, 4}};  // per connection, the kind of its last line
    int LastSlot = 0;                    // the connection of the line before
    int MsgNumber = 0;                   // first number field of the last line
    QString NetText;                     // text field of the last line
    QString NetPayload;                  // the "#"-separated numbers being built or read
    int PayloadPos = 0;
    QString NetOutMsg;    // scratch for an outgoing line
    int NetAnswers = 0;   // answers counted in the current send-and-wait round
    bool MoveArrived = false;
    int MoveFrom = 0;
    int MoveTo = 0;
    int MoveSender = -1;  // the connection of the move in MoveFrom and MoveTo not yet replayed; -1 none
    int SavedGamesTaken = 0;  // saved games sent or received so far; a remote turn under way leaves on a new one
    int NetRestorePending = 0;  // 1 = a received saved game waits for the Deal button
    vb::Array<QString, 1> PartialText{{0, 4}};  // per connection, text not yet ended by a line feed
    bool PartialPending = false;
    bool DataArrived = false;
    int ArrivalSlot = 0;

    // Per connection, the handshake line it owes: 1 its hello, 2 its name,
    // 0 none (the handshake is done).
    vb::Array<int, 1> HelloStage{{0, 4}};

    // Handshake of the host, and the set-up.
    bool HelloBusy = false;
    int PendingHello = 0;
    int NetSetupDone = 1;
    QString NetFailText;
    double SavedMoveDelay = 0;  // the local CompDelay kept aside during an Internet game
    bool NetSetUp = false;      // the move log was switched off for this Internet game

    // The running Internet session's totals, shown at each game's end.
    int NetSessionGames = 0;
    int NetSessionWins = 0;
    int NetSessionMargin = 0;
    bool ScoreFileReported = false;  // the player was told this session's games could not be counted

    // The Internet player set-up.
    bool NetSetupCancelled = false;  // the player left the Internet player set-up
    QString NetCommentFile;          // the personality whose remarks the chat offers; "" none chosen
    // The competition the Internet games count in ("" the player's default
    // score file), the one picked in the set-up's list, and the player's
    // competitions at this table size (from 1).
    QString RuleSetName;
    QString RuleSetChoice;
    vb::Array<QString, 1> CompetitionFiles{{0, 0}};
    int NumCompetitionFiles = 0;
};

extern InternetState inet;
void ResetInternetState();

}  // namespace grisk
