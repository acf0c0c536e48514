// A whole game position sent from the host to every remote player (a saved
// game restored, or the running game restarted), in one "RC" line of
// "#"-ended numbers; the remote player takes it apart and waits for its Deal
// button. SendRecover and GetRecover are declared with the Internet game's
// entry points (net/internet_setup.h).
//
// Two layouts exist: the current one for peers above "74" (any number of
// players, card numbers only, one block per seat in the sender's order), and
// the two-player one of peers "74" and below (every card array in two
// passes, ranks first, then card numbers).
#pragma once

#include <QString>

namespace grisk {

struct EngineState;
struct PlayerRecord;

// The host's layout of fields 2..12 of the current format (the turn is
// already in NetPayload), appended to NetPayload: the rules, the stock, the
// used pile, the centre piles, the host's own block and one block for each
// other seat's record.
void AppendRecoverGame();
// One seat's record as a block of the current format, appended to
// NetPayload; its hold piles count their top cards.
void NetAppendPlayerRecord(const PlayerRecord& rec);
// The old format's fields after the turn, appended to NetPayload. A peer
// of "51" or below plays by the house rules: a game with another pay-off
// pile size cannot go to it. Then the player is told ("Opponent not
// current!"), the table is reset for piles of 20 and false is returned: no
// "RC" goes out.
bool SendRecoverOld();

// Reads the payload of an "RC" line from a host of hostVersion into the
// scratch position e (a copy of the table, which it replaces), as this
// machine of seat mySeat sees it. False for a list that ends early or holds
// more, a number out of its range, a seat that the player count does not
// have, a slot that disagrees with its pile, or a set of cards other than
// each card once per deck. The table itself is not touched.
bool ReadRecoveredGame(const QString& payload, const QString& hostVersion, int mySeat, EngineState& e);

}  // namespace grisk
