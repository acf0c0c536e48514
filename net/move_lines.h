// The lines of one move of a player: "PC" with the slot the card came from
// and where it went, then the bare "WT" (the turn goes on) or "OK" (the turn
// is over). Each line has one builder and one reader here.
//
// "PC", a blank, Str(source) and "#" and Str(target): numbers written as
// Str writes them, with a blank before a number that is not negative, so a
// card from slot 3 onto centre pile 2 is P, C, two blanks, 3, "#", a blank
// and 2. The source is a slot 1..10 (1 the pay-off pile, 2..6 the hand,
// 7..10 the hold piles); the target a centre pile 1..4, a hold slot 7..10,
// or a hand place plus 10 (12..16) for a reorder of the hand.
#pragma once

#include <QString>
#include <optional>

namespace grisk {

// The bare "turn goes on" and "turn is over" lines.
inline constexpr char kWaitLine[] = "WT";
inline constexpr char kOkayLine[] = "OK";

QString BuildPlayCardLine(int source, int target);

struct PlayCardMove {
    int source = 0;
    int target = 0;
    bool operator==(const PlayCardMove&) const = default;
};

// Reads a "PC" line as the receiving side reads it: the source from columns
// 4..6, the target from what follows the "#". Nothing for the bare answer,
// another code, a line that is not two whole numbers, a source outside
// 1..10, or a target that is none of 1..4, 7..10 and 12..16.
std::optional<PlayCardMove> ParsePlayCardLine(const QString& line);

}  // namespace grisk
