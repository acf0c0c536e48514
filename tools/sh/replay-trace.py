#!/usr/bin/env python3
"""Replays a grisk-sim trace and checks every game in it.

Every card starts in the stock. For each line "GAME TURN SEAT FROM TO CARD"
the card must lie on FROM; it then lies on TO. A card put on a centre pile
must fit it (one above the pile's count, or a King, which may not start a
pile under the no-wild-Ace rule); a centre pile goes to the used pile only
whole, once it holds twelve cards. Prints one line per fault and exits 1 when there
was any.

usage: replay-trace.py TRACE
"""
import sys


def rank(card):
    return (card - 1) % 13 + 1


def main(path):
    faults = 0
    games = 0
    where = {}
    centres = {}
    no_wild_ace = False
    clearing = set()  # centre piles on their way to the used pile

    def fault(text):
        nonlocal faults
        faults += 1
        print(text)

    with open(path) as trace:
        for number, line in enumerate(trace, 1):
            fields = line.split()
            if fields[0] == "GAME":
                games += 1
                options = dict(f.split("=") for f in fields[2:])
                cards = 52 * int(options["players"])
                where = {c: "stock" for c in range(1, cards + 1)}
                centres = {c: [] for c in range(1, int(options["centres"]) + 1)}
                no_wild_ace = options["nowildace"] == "1"
                clearing = set()
                continue
            game, turn, seat, src, dst, card = fields[0], fields[1], fields[2], fields[3], fields[4], int(fields[5])
            at = f"line {number} (game {game} turn {turn} seat {seat})"
            if where.get(card) != src:
                fault(f"{at}: card {card} is on {where.get(card)}, not {src}")
            where[card] = dst
            if src.startswith("centre"):
                c = int(src[6:])
                pile = centres[c]
                if len(pile) == 12:
                    clearing.add(c)
                if dst != "used" or c not in clearing:
                    fault(f"{at}: card {card} left {src} holding {len(pile)} cards for {dst}")
                if card in pile:
                    pile.remove(card)
                if not pile:
                    clearing.discard(c)
            if dst.startswith("centre"):
                pile = centres[int(dst[6:])]
                r = rank(card)
                if r == 13:
                    if len(pile) >= 12 or (no_wild_ace and not pile):
                        fault(f"{at}: a King may not go on {dst} holding {len(pile)} cards")
                elif r != len(pile) + 1:
                    fault(f"{at}: card {card} of rank {r} does not fit {dst} holding {len(pile)} cards")
                pile.append(card)
    print(f"games={games} faults={faults}")
    return 1 if faults or games == 0 else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
