// The engine's shared game state: cards, piles, seats, house rules, the
// loaded seat and the three player records. One instance for the whole run;
// every part of the program reads and writes it directly.
#pragma once

#include <QString>

#include "platform/vbarray.h"

namespace vb {
class ControlArray;
}

namespace grisk {

using vb::Array;

// Everything of one seat 2..4. The human has no record: the human's piles
// live in their own variables below.
struct PlayerRecord {
    int RecSideShape = 0;  // next shape of the seat's drawn side-pile stack
    int RecSideCount = 0;  // cards left on the side pile; 0 = the seat has won
    Array<int, 2> Side{{0, 1}, {0, 26}};
    Array<int, 2> Slots{{0, 1}, {0, 10}};
    Array<int, 2> HoldTable{{0, 4}, {0, 3}};
    Array<int, 3> Hold{{0, 1}, {0, 4}, {0, 30}};
    int WildHand = 0;
    int WildSide = 0;
    int Level = 0;  // 0 Average, 1 Clever, 2 Ruthless
    QString Avatar;
    QString Name;
    Array<QString, 1> Sounds{{0, 16}};
    int SoundColumn = 0;
    QString CommentFile;
    Array<QString, 1> RecComments{{0, 35}};
    Array<int, 2> RecBestRun{{0, 1}, {0, 5}};
};

struct EngineState {
    // Cards and piles. Field 0 of a pile is the card number, field 1 the rank.
    int TotalCards = 104;
    Array<int, 2> Deck{{0, 2}, {0, 104}};  // field 2 is indexed by card number: dealt
    int StockCount = 0;
    Array<int, 2> Used{{0, 1}, {0, 104}};
    int UsedCount = 0;
    Array<int, 3> CenterPile{{0, 1}, {0, 3}, {0, 12}};
    Array<int, 1> CenterCount{{0, 3}};
    Array<int, 1> MoveCard{{0, 1}};
    Array<int, 2> PlayerSlots{{0, 1}, {0, 10}};
    Array<int, 2> OppSlots{{0, 1}, {0, 10}};
    Array<int, 2> PlayerSide{{0, 1}, {0, 26}};
    Array<int, 2> OppSide{{0, 1}, {0, 26}};
    Array<int, 3> PlayerHold{{0, 1}, {0, 4}, {0, 30}};  // without the top cards
    Array<int, 1> PlayerHoldCount{{0, 4}};
    Array<int, 3> OppHold{{0, 1}, {0, 4}, {0, 30}};     // with the top cards
    Array<int, 2> OppHoldTable{{0, 4}, {0, 3}};

    // Seats and turns.
    int NumPlayers = 2;
    int Pturn = 0;
    int HandCount = 0;
    bool CardMoving = false;

    // House rules.
    int SideOption = 19;
    int ForcedCards = 0;
    bool NoWildAce = false;
    bool DecksSeparate = false;
    int NumCenters = 3;
    bool RulesChanged = false;

    // The human's piles.
    int SideCount = 0;
    int SideShape = 0;
    int PlayerWildHand = 0;
    int PlayerWildSide = 0;
    QString PlayerName;
    QString PlayerAvatar;

    // The three player records (seats 2, 3, 4).
    PlayerRecord Player2;
    PlayerRecord Player3;
    PlayerRecord Player4;

    // The loaded seat.
    QString TurnName;
    // The seat on turn whose cards live in the loaded-seat variables
    // (OppSlots, OppSide, OppHold, ...) rather than in its record: from the
    // load for its turn until the record is brought up to date; 0 none.
    int LiveSeat = 0;
    int OppSideShape = 0;
    int OppSideCount = 0;
    int OppWildHand = 0;
    int OppWildSide = 0;
    int OppLevel = 0;
    Array<QString, 1> SoundFiles{{0, 16}};
    Array<QString, 1> Comments{{0, 35}};
    bool NoComments = false;

    // Flags of the run.
    bool Peeking = false;
    bool Flipping = false;
    bool Quitting = false;
    bool GameBusy = false;
    bool SkipGameSave = false;
    double CompDelay = 0.4;  // seconds: the pacing unit of computer moves

    // Folders, set once at start-up.
    QString AppFolder;        // no trailing separator
    QString DataFolder;       // ends with a separator
    QString UserFolder;       // ends with a separator
    QString DocumentsFolder;

    // Screen and machine.
    double ScreenWidthTw = 0;
    double ScreenHeightTw = 0;
    int ColorDepth = 0;
    long CpuSpeed = 0;
    bool LargeFonts = false;
    Array<QString, 1> LevelNames{{0, 2}};
    int MainFormWidth = 0;
    int MainFormHeight = 0;

    // The human's moves, the piles in play and the stalemate.
    int SourceSlot = 0;     // slot 1..10 of the card being moved
    int DropSlot = 0;       // the slot pressed, then the slot dropped on
    int InfoPile = 0;       // pile picture last right-clicked; 0 the stock
    int InfoHold = 0;       // 1: the pile-information window shows another seat's or a pay-off pile
    int Dragging = 0;       // 1 while a card picture is being dragged
    int DragLeft = 0;       // home of the dragged picture, pixels
    int DragTop = 0;
    int GrabX = 0;          // the press point inside the picture, pixels
    int GrabY = 0;
    bool DragMove = false;  // the played card already lies on its centre pile
    vb::ControlArray* DropTarget = nullptr;  // PicCenter or Picture7; nullptr for none
    bool CardRightPress = false;    // the last press on a card was a right press
    bool RestoreOwnAvatar = false;  // the next press brings the human's avatar back
    int OutMoveFrom = 0;    // the human's last move for the other machines
    int OutMoveTo = 0;
    int LastBlockRemark = 0;  // remark line 1..10 of the last blocking play
    int LastBlockSound = 0;   // sound 7..10 of the last blocking play
    int ScratchIndex = 0;     // 666 marks a failed stalemate recovery
    QString RulesText;        // the house rules as the rules label shows them
    bool HumanMoveBusy = false;  // a play of the human is under way

    // Shared scratch values.
    QString MsgText;
    int LoopIndex = 0;
    int LoopIndex2 = 0;
    long RetVal = 0;
    int TextFileNum = 0;

    // Moves to the centre piles, shared by the human's plays, the computer
    // opponent's planner and its plays.
    int TargetCenter = 0;  // the centre pile a move concerns

    // The deal and the order of play (fields of the main window).
    Array<int, 1> SeatOrder{{0, 4}};  // the seats in playing order; (1) began the game
    int TurnIndex = 0;       // position in SeatOrder of the seat to move
    int TieCount = 0;        // 0, or how many players shared the highest pay-off card
    int StalemateState = 0;  // 0 none, 1 a stalemated game given up, 2 reshuffled and going on
    int MoveLogPos = 0;      // the last move-log record written in the turn
    bool DealAllowed = false;
    int RecountHand = 0;     // 1: the next computer turn counts its hand first
    int TurnStart = 0;       // 2 after a deal, 1 a restored human turn, 0 in play
    int MsgAnswer = 0;       // the answer of the last message box the engine asked

    // The end of a turn and of a game (fields of the main window).
    bool HumanMissedMove = false;  // the human's last turn left a playable pay-off card
    QString EndText;               // the result text being built
    int LastMargin = 0;            // margin of the game just counted
    // Working counters of one statistics slot while a game is counted; wide
    // enough that a full 16-bit field plus one game never wraps.
    int StatPlayed = 0;
    int StatWon = 0;
    int StatMargin = 0;
    int StatLost = 0;
    // The end-of-game picture show: the frames of a personality other than
    // the default one are loaded, and for which row of the opponent table.
    bool FlashLoaded = false;
    int FlashLoadedFor = 0;
};

extern EngineState eng;

// Puts the engine's state back to its start values.
void ResetEngineState();

// Puts every subsystem's shared state back to its start values (tests, the
// simulator).
void ResetAllState();

}  // namespace grisk
