// The Internet half of a reshuffle: the host sends its new stock, every
// other machine takes it from the host's "DK".
#pragma once

#include <QString>

namespace grisk {

// The "DK" line of the stock positions 1..StockCount, as the peer reads it.
QString ReshuffleDeckLine();

// Host: sends NetPayload (the "DK" line) to every peer and waits until each
// has answered, a peer is lost or the game has ended.
void SendStockToPeers();

// Remote machine: waits for the host's "DK" and takes stock positions
// 1..StockCount from it; answers the bare "DK". Ended, with the stock
// untouched, when the wait ended early (a stalemate given up, a peer lost,
// the game ended or restarted, no peers left); Damaged, with the stock
// untouched, when the line was not a stock of that size.
enum class HostStock { Taken, Ended, Damaged };
HostStock TakeStockFromHost();

// Cards from the host that cannot be played (a deal or a reshuffle): the
// connection is closed at once, so that the host sees a lost peer rather than
// waiting for an answer that never comes; the player is told with `text` in
// the "Dealer Error" box, and the Deal button is shown for a new game.
void RefuseHostCards(const QString& text);

}  // namespace grisk

namespace grisk {

// Host: tells every peer that the stalemated cards are reshuffled (the bare
// "OK"; no answers are awaited).
void SendStalemateRecovery();

// Remote machine: waits for the host's decision on a stalemate. 1: the host
// reshuffles ("OK"); 0: the host started a new game ("GS"); -1: the wait
// ended otherwise (a peer lost, the game ended, a seat list, no peers left).
int AwaitStalemateDecision();

}  // namespace grisk
