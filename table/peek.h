// Peeking at the other seats' hands.
#pragma once

namespace grisk {

// Turns the hand cards of seats 2..4 (of the seats on the table) face up
// while Peeking is set, face down again when it is not, after storing the
// seat to move back into its record; then plays the peek sound.
void Peek();

}  // namespace grisk
