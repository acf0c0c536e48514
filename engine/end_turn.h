// The end of the human's turn: a hand card dropped on a hold pile, and the
// human's moves sent to the other machines of an Internet game.
#pragma once

#include <QString>

namespace grisk {

// Discards the card of hand slot SourceSlot onto hold slot DropSlot and
// passes the turn: a hold pile with 30 cards under its top is refused on the
// message line, and the forced-card rules (ForcedCards) refuse a discard
// while an Ace (or a Two) that must be played lies on the pay-off top, in
// the hand (only the discard with bit 4) or on a hold top; a refused card
// goes back to its home (DragLeft, DragTop) and the turn goes on. After the
// discard the other seats play (ComputerTurn) before this returns. Nothing
// happens unless it is the human's turn, SourceSlot is a hand place 2..6
// holding a card and DropSlot a hold slot 7..10.
void Player_EndTurn();

// A discard refused by the forced rule WhichRule ("Ace" or "Two"): the "Rule
// Enforced" box, then the card goes back home and the human's piles are
// enabled again. No card moves.
void PlayerGoBack(const QString& WhichRule);

// True when the human's pay-off top fits a centre pile (its rank is the
// pile's count plus one) and is not a King.
bool PlayerMissedMove();

// Sends the human's last move ("PC" with OutMoveFrom and OutMoveTo) to the
// other machines and waits until every one has answered, a peer is lost or
// the game ends or restarts.
void Move_Transmit_PlayCard();
// A move inside the turn (a centre play, a reorder of the hand): the "PC"
// round, then the "WT" round.
void Move_Transmit();
// The move that ends the turn or empties the pay-off pile: the "PC" round,
// then the "OK" round. Nothing in a local game.
void Move_Transmit_Done();

}  // namespace grisk
