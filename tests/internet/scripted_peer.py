#!/usr/bin/env python3
"""A scripted peer of an Internet game, over 127.0.0.1 only.

    scripted_peer.py join PORT CASE     plays CASE against a real host
    scripted_peer.py host PORT CASE     listens on PORT and plays CASE
                                        against a real client that joins

Each case is a row of the tables below: what the peer sends and what it
must hear back. The peer prints what it heard, and exits 0 when the case
went as its row says, 1 when not. Every wait is bounded (WAIT seconds).

Lines are text ended by a line feed; numbers are written as the game writes
them (a blank before a number that is not negative).
"""
import os
import socket
import sys
import time

WAIT = float(os.environ.get("GRISK_PEER_WAIT", "60"))
RESERVED = "Quenmoor Online"  # any 15 characters


def version_text(code):
    """The version of a hello for a two-digit code: " 8. 4. 0" for "84"."""
    return " %s. %s. 0" % (code[0], code[1])


def client_hello(code):
    """A joining peer's answer to the host's hello; "40" sends no version."""
    if code == "40":
        return "IP Quenmoor"
    return "IP " + RESERVED + "^" + version_text(code)


def host_hello(code, slot=1):
    if code == "40":
        return "IP Quenmoor"
    hello = "IP " + RESERVED + "^" + version_text(code)
    return hello + "^ %d" % slot if code > "74" else hello


def str_number(n):
    return ("%d" % n) if n < 0 else (" %d" % n)


def payload(numbers):
    return "".join(str_number(n) + "#" for n in numbers)


def numbers_of(text):
    return [int(x) for x in text.split("#") if x.strip()]


class Peer:
    def __init__(self, sock):
        self.sock = sock
        self.sock.settimeout(WAIT)
        self.pending = b""
        self.heard = []

    def send(self, text, byte_at_a_time=False):
        data = text.encode("latin-1")
        if byte_at_a_time:
            for i in range(len(data)):
                self.sock.sendall(data[i:i + 1])
                time.sleep(0.02)
        else:
            self.sock.sendall(data)

    def line(self, text, **kw):
        self.send(text + "\n", **kw)

    def read_line(self):
        """The next line, or None when the other side closed."""
        deadline = time.time() + WAIT
        while b"\n" not in self.pending:
            if time.time() > deadline:
                raise TimeoutError("no line within %s s" % WAIT)
            try:
                chunk = self.sock.recv(65536)
            except ConnectionResetError:
                chunk = b""
            if not chunk:
                return None
            self.pending += chunk
        raw, self.pending = self.pending.split(b"\n", 1)
        text = raw.decode("latin-1")
        self.heard.append(text)
        print("peer: heard %r" % (text[:120] + ("..." if len(text) > 120 else "")), flush=True)
        return text

    def expect(self, code):
        """Reads lines until one of the code comes (chat lines pass); its text."""
        while True:
            text = self.read_line()
            if text is None:
                raise AssertionError("the connection closed while waiting for %s" % code)
            if text[:2] in ("SY", "PK"):
                continue
            if text[:2] != code:
                raise AssertionError("heard %r while waiting for %s" % (text[:40], code))
            return text

    def expect_closed(self):
        """The other side ends the connection (a good-bye may come first)."""
        while True:
            text = self.read_line()
            if text is None:
                return
            if text[:2] not in ("SY", "PK", "GO"):
                raise AssertionError("heard %r where the connection should end" % text[:40])


def join(port):
    s = socket.create_connection(("127.0.0.1", port), timeout=WAIT)
    return Peer(s)


# ---- a peer that joins a real host -----------------------------------------------

def handshake_as(peer, code, name):
    """Hello and names as a client of version code; returns the host's hello."""
    hello = peer.expect("IP")
    peer.line(client_hello(code))
    peer.expect("NM")
    peer.line("NM " + name)
    return hello


def expect_deal(peer, code, cards):
    """The deal a host sends a client of version code: its DK, then TR."""
    deck = peer.expect("DK")
    numbers = numbers_of(deck[3:])
    # Every peer but "40" gets the rules (one below "52" reads past them).
    if code == "40":
        want = cards                # ranks only, no rules
    elif code <= "74":
        want = 2 * cards + 4        # ranks, card numbers and the rules
    else:
        want = cards + 4            # card numbers and the rules
    if len(numbers) != want:
        raise AssertionError("a deal of %d numbers for a peer %s, not %d" % (len(numbers), code, want))
    peer.line("DK")
    peer.expect("TR")
    peer.line("TR")
    print("peer: the deal for a peer %s holds %d numbers" % (code, len(numbers)), flush=True)
    return numbers


def join_case(port, case):
    peer = join(port)
    if case == "garbage":
        peer.expect("IP")
        peer.line("\x01\x02\x7f what is this")
        peer.expect_closed()
    elif case == "oversized":
        peer.expect("IP")
        try:
            peer.send("IP " + "x" * 70000)
        except (BrokenPipeError, ConnectionResetError):
            pass
        peer.expect_closed()
    elif case == "byte-at-a-time":
        peer.expect("IP")
        peer.line(client_hello("96"), byte_at_a_time=True)
        peer.expect("NM")
        peer.line("NM Bytewise", byte_at_a_time=True)
        peer.expect("LO")
        peer.line("LO")
        time.sleep(1)
        peer.line("GO")
        peer.expect_closed()
    elif case == "cut-off":
        peer.expect("IP")
        peer.send("IP " + RESERVED[:8])
        time.sleep(0.5)
    elif case == "unknown-code":
        peer.expect("IP")
        peer.line("ZZ 12#34")
        peer.expect_closed()
    elif case == "bad-version":
        peer.expect("IP")
        peer.line("IP " + RESERVED + "^ X. Y. 0")
        peer.expect_closed()
    elif case == "silent":
        # Says nothing after the host's hello: the host's player ends it.
        peer.expect("IP")
        peer.expect_closed()
    elif case == "burst":
        peer.expect("IP")
        peer.line(client_hello("96"))
        peer.expect("NM")
        peer.line("NM Burster")
        peer.expect("LO")
        peer.line("LO")
        others = []
        for _ in range(6):
            try:
                others.append(join(port))
            except OSError:
                pass
        for other in others:
            other.expect_closed()
        print("peer: %d connections of the burst were ended by the host" % len(others), flush=True)
        # The first connection still stands: the host's new game reaches it.
        peer.expect("GS")
        peer.line("GO")
        peer.expect_closed()
    elif case.startswith("old-"):
        code = case[4:]
        handshake_as(peer, code, "Old" + code)
        if code <= "74":
            peer.expect("GS")       # the two-player protocol starts at once
            peer.line("GS")
        else:
            seats = peer.expect("LO")
            if "|" in seats:
                raise AssertionError("a seat list with names for a two-player game: %r" % seats)
            peer.line("LO")
            peer.expect("GS")       # the host's player starts the game
            peer.line("GS")
        numbers = expect_deal(peer, code, 104)
        if code > "51" and numbers[-4] != 9:
            raise AssertionError("the deal's rules carry a side option of %d, not 9" % numbers[-4])
        peer.line("GO")
        peer.expect_closed()
    else:
        raise SystemExit("scripted_peer: no case %r" % case)


# ---- a peer that hosts a real client -----------------------------------------------

def host_case(port, case):
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", port))
    listener.listen(1)
    listener.settimeout(WAIT)
    print("peer: listening on %d" % port, flush=True)
    conn, _ = listener.accept()
    listener.close()
    peer = Peer(conn)
    if case == "garbage":
        peer.line("\x01\x02\x7f what is this")
        peer.expect_closed()
    elif case == "cut-off":
        peer.send("IP " + RESERVED[:8])
        time.sleep(0.5)
    elif case.startswith("old-"):
        code = case[4:]
        peer.line(host_hello(code))
        peer.expect("IP")
        peer.line("NM Host" + code)
        peer.expect("NM")
        if code > "74":
            peer.line("LO  2  1")
            peer.expect("LO")
        peer.line("GS")
        peer.expect("GS")           # at once for an old host, on Deal otherwise
        numbers = list(range(1, 105))
        ranks = [(n - 1) % 13 + 1 for n in numbers]
        if code == "40":
            deck = ranks
        elif code <= "74":
            deck = ranks + numbers + ([19, 0, 0, 0] if code > "51" else [])
        else:
            deck = numbers + [9, 0, 0, 0]
        peer.line("DK " + payload(deck))
        peer.expect("DK")
        peer.line("TR  1")
        peer.expect("TR")
        print("peer: the client took the deal of a host %s" % code, flush=True)
        # The host's player leaves; the client goes back to a local game.
        time.sleep(float(os.environ.get("GRISK_PEER_LINGER", "5")))
        peer.line("GO")
        time.sleep(1)
    else:
        raise SystemExit("scripted_peer: no case %r" % case)


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("join", "host"):
        raise SystemExit(__doc__)
    role, port, case = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    try:
        (join_case if role == "join" else host_case)(port, case)
    except (AssertionError, TimeoutError, OSError) as e:
        print("peer: FAILED: %s: %s" % (case, e), flush=True)
        return 1
    print("peer: %s went as expected" % case, flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
