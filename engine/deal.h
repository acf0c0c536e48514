// A new game and its deal: the stock built and shuffled (or taken from the
// host's "DK" in an Internet game), the pay-off piles, the first player, the
// hands, and the first turn. The Deal button's handler is
// FrmGrisk::cmdDeal_Click.
#pragma once

#include <array>
#include <vector>

namespace grisk {

// Starts a new game: warns when a computer player is about to win (answered
// No, nothing changes), starts an Internet game with the other machines,
// resets the table, then SetUp and GoDeal. False when no new game was
// started (the question answered No, the card flow only stopped, the other
// machines not ready); the game on the table then goes on.
bool Game_New();

// Builds and shuffles the stock (a remote machine takes it from the host),
// deals the pay-off piles and chooses the first player; a host sends the
// deck and the first player and waits for every answer. False when the deal
// was not completed (a peer lost, the game ended, or the host's deck or
// first player refused): the hands are then not dealt.
bool SetUp();

// Plays the deal out: pay-off piles shown, the first player announced, the
// hands dealt, the game auto-saved, and the first computer turn started.
void GoDeal();

// Deals the five hand cards of every player, one card at a time round the
// table (on a remote machine in the host's order). False when the stock ran
// out before the last card.
bool Deal_All();

// SeatOrder from Pturn: the seats round the table from the first player;
// TurnIndex 1.
void WhosOnFirst();
// On a remote machine: Pturn from the host's seat numbering to this
// machine's.
void PturnCalculate();

// The seat at this machine of host seat h (1..NumPlayers): h itself at the
// host and in a local game; on a remote machine the seats are turned so that
// its own human is seat 1.
int LocalSeatOfHostSeat(int h);
// The same for a remote machine holding host seat mySeat + 1 in a game of
// `players` (two players simply swap).
int LocalSeatOfHostSeat(int h, int mySeat, int players);
// The local seats in the host's dealing order (host seat 1 first).
std::vector<int> DealOrder();

// The first player by the highest top pay-off card (a King highest):
// topRanks[s - 1] is the rank on top of seat s's pay-off pile; seats above
// players never take part. A tie is drawn at random among the tied seats.
struct FirstPlayer {
    int seat = 0;
    int tieCount = 0;  // 0 for a single winner, else how many shared the card
};
FirstPlayer ChooseFirstPlayer(const std::array<int, 4>& topRanks, int players);

}  // namespace grisk
