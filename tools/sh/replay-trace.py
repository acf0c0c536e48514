#!/usr/bin/env python3
"""Replays a grisk-sim trace and checks every game in it by the rules.

A trace has a line "GAME g players=P centres=C side=N forced=F nowildace=0|1
levels=..." for each game, then one line "GAME TURN SEAT FROM TO CARD" for
each card as it moved, in the order of the game (see tools/grisk-sim/trace.h).
Piles are "box", "stock", "used", "centreC", "sideS", "handS" and "holdS.P";
SEAT is the seat on turn when the card moved.

The replay follows every pile card by card and checks:
- a card leaves the pile it lies on; from the stock, a pay-off (side) pile
  or a hold pile only its top card;
- the deal: the shuffled stock first, then the pay-off piles round by round
  (seats 1..P, each the stock's top card), then the hands the same way;
- the first player: the seat with the highest pay-off top (a King is the
  highest; among equal tops any of them);
- every centre play: the next rank of the pile, or a King (not on an empty
  pile under the no-wild-Ace rule), from the pay-off pile, the hand or a
  hold pile of the seat on turn;
- a discard goes from the hand of the seat on turn onto one of its own hold
  piles (at most 31 cards for seat 1, 30 for the others) and is its last
  move of the turn; a hand holds at most five cards; the stock refills only
  the hand of the seat on turn;
- the turn passes round the table (1, 2, .., P, 1) and only after a discard;
- a centre pile goes to the used pile only whole, at twelve cards, Ace
  first; a reshuffle makes the whole used pile the new stock;
- a recovery (cards of the hands, hold piles and centre piles to the used
  pile) is followed by its reshuffle and a new deal of the hands;
- nothing moves once a pay-off pile is empty (but the centre pile that its
  last card completed, which is cleared).
Prints one line per fault and a summary; exits 1 when there was any fault
or no game.

usage: replay-trace.py TRACE
"""
import sys


def rank(card):
    return (card - 1) % 13 + 1


class Game:
    def __init__(self, number, options, report):
        self.number = number
        self.players = int(options["players"])
        self.centres = int(options["centres"])
        self.side = int(options["side"]) + 1
        self.no_wild_ace = options["nowildace"] == "1"
        self.report = report
        cards = 52 * self.players
        self.piles = {"box": list(range(1, cards + 1)), "stock": [], "used": []}
        self.where = {c: "box" for c in range(1, cards + 1)}
        for c in range(1, self.centres + 1):
            self.piles[f"centre{c}"] = []
        for s in range(1, self.players + 1):
            self.piles[f"side{s}"] = []
            self.piles[f"hand{s}"] = []
            for p in range(1, 5):
                self.piles[f"hold{s}.{p}"] = []
        # What is expected next: the deal's moves in their order.
        self.deal = [f"side{s}" for _ in range(self.side) for s in range(1, self.players + 1)]
        self.deal += [f"hand{s}" for _ in range(5) for s in range(1, self.players + 1)]
        self.dealt = 0
        self.seat = 0          # the seat whose turn it is
        self.discarded = False  # the seat on turn has discarded
        self.clearing = None    # the centre pile going to the used pile
        self.reshuffling = False
        self.recovering = False
        self.redeal = 0         # hand cards still to come in a recovery's deal
        self.over = False

    def fault(self, at, text):
        self.report(f"{at}: {text}")

    @staticmethod
    def seat_of(pile):
        if pile.startswith(("side", "hand")):
            return int(pile[4:])
        if pile.startswith("hold"):
            return int(pile[4:].split(".")[0])
        return 0

    def top_ok(self, at, src, card):
        pile = self.piles[src]
        if src in ("stock",) or src.startswith(("side", "hold")):
            if not pile or pile[-1] != card:
                self.fault(at, f"card {card} is not the top of {src}")

    def first_player_ok(self, at, seat):
        tops = {s: rank(self.piles[f"side{s}"][-1]) for s in range(1, self.players + 1)}
        best = max(tops.values())
        if tops.get(seat) != best:
            self.fault(at, f"seat {seat} began, but its pay-off top {tops.get(seat)} is not the highest ({best})")

    def turn_passes(self, at, seat):
        if self.seat and seat != self.seat % self.players + 1:
            self.fault(at, f"the turn went from seat {self.seat} to seat {seat}")
        if self.seat and not self.discarded and not self.all_holds_full(self.seat):
            self.fault(at, f"seat {self.seat}'s turn ended without a discard")
        self.seat = seat
        self.discarded = False

    def all_holds_full(self, seat):
        return seat > 1 and all(len(self.piles[f"hold{seat}.{p}"]) >= 30 for p in range(1, 5))

    def move(self, at, seat, src, dst, card):
        if src not in self.piles or dst not in self.piles:
            self.fault(at, f"no pile {src if src not in self.piles else dst}")
            return
        if self.where.get(card) != src:
            self.fault(at, f"card {card} is on {self.where.get(card)}, not {src}")
            return
        if self.over and not (src.startswith("centre") and dst == "used" and
                              (self.clearing == src or len(self.piles[src]) == 12)):
            # The last pay-off card may complete its centre pile, which is cleared.
            self.fault(at, "a card moved after a pay-off pile was empty")

        if src == "box":
            if dst != "stock" or self.dealt:
                self.fault(at, f"card {card} came out of the box onto {dst}")
        elif self.dealt < len(self.deal):
            # The deal: the stock's top to the next pile of the round.
            if src != "stock" or dst != self.deal[self.dealt]:
                self.fault(at, f"the deal's move {self.dealt + 1} goes from {src} to {dst}, "
                               f"not from the stock to {self.deal[self.dealt]}")
            self.top_ok(at, src, card)
            self.dealt += 1
        else:
            self.play(at, seat, src, dst, card)

        self.piles[src].remove(card)
        self.piles[dst].append(card)
        self.where[card] = dst
        if dst == "used" and self.clearing and not self.piles[self.clearing]:
            self.clearing = None
        if src.startswith("side") and not self.piles[src]:
            self.over = True

    def play(self, at, seat, src, dst, card):
        if seat == 0:
            self.fault(at, f"card {card} moved from {src} to {dst} with no seat on turn")
            return
        if self.reshuffling and not (src == "used" and dst == "stock"):
            self.reshuffling = False
            if self.piles["used"]:
                self.fault(at, f"the reshuffle left {len(self.piles['used'])} cards on the used pile")
        if self.recovering:
            self.recovery(at, seat, src, dst, card)
            return
        if seat != self.seat:
            if self.seat == 0:
                self.first_player_ok(at, seat)
            self.turn_passes(at, seat)
        elif self.discarded:
            self.fault(at, f"seat {seat} moved card {card} from {src} to {dst} after its discard")

        owner = self.seat_of(src)
        if dst.startswith("centre"):
            self.centre_play(at, seat, src, dst, card, owner)
        elif dst.startswith("hold"):
            if not src.startswith("hand") or owner != seat or self.seat_of(dst) != seat:
                self.fault(at, f"card {card} went from {src} onto {dst} in seat {seat}'s turn")
            limit = 31 if seat == 1 else 30
            if len(self.piles[dst]) >= limit:
                self.fault(at, f"{dst} already holds {len(self.piles[dst])} cards")
            self.discarded = True
        elif dst.startswith("hand"):
            if src != "stock" or self.seat_of(dst) != seat:
                self.fault(at, f"card {card} went from {src} to {dst} in seat {seat}'s turn")
            self.top_ok(at, src, card)
            if len(self.piles[dst]) >= 5:
                self.fault(at, f"{dst} already holds five cards")
        elif dst == "used":
            self.to_used(at, seat, src, card)
        elif dst == "stock":
            if src != "used":
                self.fault(at, f"card {card} went from {src} to the stock")
            elif not self.reshuffling:
                if self.piles["stock"]:
                    self.fault(at, f"a reshuffle began with {len(self.piles['stock'])} cards in the stock")
                self.reshuffling = True
        else:
            self.fault(at, f"card {card} went from {src} to {dst}")

    def centre_play(self, at, seat, src, dst, card, owner):
        if not src.startswith(("side", "hand", "hold")) or owner != seat:
            self.fault(at, f"card {card} went from {src} onto {dst} in seat {seat}'s turn")
        self.top_ok(at, src, card)
        pile = self.piles[dst]
        r = rank(card)
        if r == 13:
            if len(pile) >= 12 or (self.no_wild_ace and not pile):
                self.fault(at, f"a King may not go on {dst} holding {len(pile)} cards")
        elif r != len(pile) + 1:
            self.fault(at, f"card {card} of rank {r} does not fit {dst} holding {len(pile)} cards")

    def to_used(self, at, seat, src, card):
        if src.startswith("centre"):
            pile = self.piles[src]
            if self.clearing is None and len(pile) == 12:
                self.clearing = src
            if self.clearing == src:
                if pile[0] != card:
                    self.fault(at, f"{src} went to the used pile out of its order")
                return
        if src.startswith("side") or src in ("stock", "used"):
            self.fault(at, f"card {card} went from {src} to the used pile")
            return
        # Cards in play gathered for a recovery.
        self.recovering = True
        self.redeal = 0

    def recovery(self, at, seat, src, dst, card):
        if dst == "used":
            if src.startswith("side") or src in ("stock", "used"):
                self.fault(at, f"a recovery took card {card} from {src}")
            return
        if src == "used" and dst == "stock":
            if not self.reshuffling:
                self.reshuffling = True
            return
        if src == "stock" and dst.startswith("hand"):
            expected = f"hand{self.redeal % self.players + 1}"
            if dst != expected:
                self.fault(at, f"a recovery dealt to {dst}, not {expected}")
            self.top_ok(at, src, card)
            self.redeal += 1
            if self.redeal == 5 * self.players:
                self.recovering = False
            return
        self.fault(at, f"card {card} went from {src} to {dst} during a recovery")


def main(path):
    faults = 0
    games = 0
    game = None

    def report(text):
        nonlocal faults
        faults += 1
        print(text)

    with open(path) as trace:
        for number, line in enumerate(trace, 1):
            fields = line.split()
            if not fields:
                continue
            if fields[0] == "GAME":
                games += 1
                options = dict(f.split("=") for f in fields[2:])
                game = Game(int(fields[1]), options, report)
                continue
            if game is None or len(fields) != 6:
                report(f"line {number}: not a move of a game: {line.strip()}")
                continue
            g, turn, seat, src, dst, card = fields
            at = f"line {number} (game {g} turn {turn} seat {seat})"
            game.move(at, int(seat), src, dst, int(card))
    print(f"games={games} faults={faults}")
    return 1 if faults or games == 0 else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
