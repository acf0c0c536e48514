// A seat's player record and its exchange with the loaded-seat variables.
#pragma once

#include <QString>

#include "engine/state.h"

namespace grisk {

// toRecord False: loads rec into the loaded-seat variables and shows the
// seat's avatar. True: stores the loaded seat's piles and counters back.
// Name, level, avatar, sounds and remarks are never written by the exchange.
void ExchangePlayerRecord(PlayerRecord& rec, bool toRecord);

// Empties the seat's piles before a new deal (keeps its counters during a
// restart, an undo or a replay).
void ClearPlayerRecord(PlayerRecord& rec);
// Empties the three seats' records before a new deal; the human's wild
// counters start again with the seats' (all are kept during a restart, an
// undo or a replay).
void ClearPlayerRecords();

// The seat's summary on the status bar.
void ShowPlayerStatus(const PlayerRecord& rec);

// The seat whose pay-off top has this rank: the human (1) first, then, with
// three or four players, seats 2, 3 and 4 other than the seat on turn; 0
// when none. Seats are told apart by number, never by name (two seats may
// share one).
int SeatOfPayOffRank(int rank);
// The name of that seat's player, "" when none.
QString GetSeatPlayerName(int rank);

// The record of seat 2, 3 or 4 (Player2..Player4); another seat raises
// error 9.
PlayerRecord& SeatRecord(int seat);

}  // namespace grisk
