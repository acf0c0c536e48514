// Opponent personalities: the seat entries of the profile and the player
// records they fill.
#pragma once

namespace grisk {

struct PlayerRecord;

// Seat entry Seat (1..3) of ProfileRec into the player record of a table
// seat: name, level, avatar, sound column and comment file. A blank entry
// first becomes the default personality. A level outside 0..2 is taken as
// 0 and a sound column outside 0..1 as 0, so that nothing indexes past the
// level names or the sound table.
void CopySeatToPlayer(PlayerRecord& Rec, int Seat);

// Seat entry Seat of ProfileRec becomes Grisk: level 0, avatar "Grisk.jpg",
// sound column 0, the personality's own comments.
void SetDefaultPersonality(int Seat);

}  // namespace grisk
