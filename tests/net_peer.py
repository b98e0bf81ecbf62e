#!/usr/bin/env python3
"""A network client written from the message table alone, played against
`ovalspin-cli serve`: it swaps names, agrees the series, sends its eleven,
calls the toss, makes its side's choices and follows the first overs ball by
ball from the delivery data, checking that every value is where the protocol
puts it.

usage: net_peer.py PORT OVERS [heads|tails]
Expects a Test's start in the protocol's order: box, toss, weather and
conditions, elevens.
The peer calls heads (the coin comes down tails, so the server wins) or
tails (the peer wins and bats). Prints one line per ball ("ball OVER CODES") and per over ("over N bowler B
balls 6"); exits 0 when OVERS overs were understood, 1 otherwise.
"""
import socket
import struct
import sys

START, END = b"OVSM", b"ENDM"
NAMES = {1: "NETSERIESSQUAD", 11: "NETSENDCHATTEXT", 12: "NETREADY", 13: "NETOK", 14: "NETPROD",
         15: "SENDTEAMDATA", 16: "RECVTEAMDATA", 17: "TOSSHEADSTAILS", 18: "TOSSBATBOWL",
         19: "NEWBATSMAN", 20: "NEWBATSMANEND", 21: "NEWBOWLER", 22: "NEWBOWLEREND",
         23: "STARTCONDITIONS", 24: "WEATHER", 25: "SENDSYNC", 26: "RECVSYNC", 27: "INNINGSROLLER",
         28: "OVERAGGRESSION", 29: "OVERBOWLER", 30: "BATTINGAGGRESSION", 31: "BOWLINGAGGRESSION",
         32: "TEAMAGGRESSION", 34: "STARTDELIVERY", 35: "GETDELIVERY", 36: "ENDDELIVERY",
         37: "STARTOVER", 38: "CONTINNSSENDSYNC", 39: "CONTINNSRECVSYNC", 41: "ENDINNINGS"}
# Payload layouts: s short, b byte, z string; 35 is a count and that many bytes.
LAYOUT = {1: "s", 11: "z", 14: "z", 15: "s" * 27, 17: "s", 18: "s", 19: "s", 21: "s", 23: "ssss", 24: "s",
          27: "ss", 28: "bbb", 29: "s", 30: "s" * 23, 31: "s" * 22, 32: "s"}


class Fail(Exception):
    pass


class Peer:
    def __init__(self, port):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=30)
        self.buf = b""

    def recv_exactly(self, n):
        while len(self.buf) < n:
            chunk = self.sock.recv(65536)
            if not chunk:
                raise Fail("the server closed the connection")
            self.buf += chunk
        out, self.buf = self.buf[:n], self.buf[n:]
        return out

    def send(self, mid, payload=b""):
        self.sock.sendall(START + struct.pack("<h", mid) + payload + END)

    def short(self, mid, v):
        self.send(mid, struct.pack("<h", v))

    def frame(self):
        """The next frame: (id, fields); delivery data as raw bytes."""
        if self.recv_exactly(4) != START:
            raise Fail("a frame without its start marker")
        (mid,) = struct.unpack("<h", self.recv_exactly(2))
        fields = []
        if mid == 35:
            (n,) = struct.unpack("<h", self.recv_exactly(2))
            if not 0 <= n <= 1023:
                raise Fail("delivery data of %d bytes" % n)
            fields = [self.recv_exactly(n)]
        elif mid in LAYOUT:
            for kind in LAYOUT[mid]:
                if kind == "s":
                    fields.append(struct.unpack("<h", self.recv_exactly(2))[0])
                elif kind == "b":
                    fields.append(self.recv_exactly(1)[0])
                else:
                    text = b""
                    while not text.endswith(b"\0"):
                        text += self.recv_exactly(1)
                    fields.append(text[:-1].decode("latin-1"))
        elif not (2 <= mid <= 10 or mid in NAMES):
            raise Fail("unknown message id %d" % mid)
        if self.recv_exactly(4) != END:
            raise Fail("message %d without its end marker" % mid)
        return mid, fields


def parse_ball(data):
    """The outcome codes of one ball and the values that go with each."""
    codes, at = [], 0

    def take(n):
        nonlocal at
        if at + n > len(data):
            raise Fail("delivery data cut short: %r" % data)
        v = data[at:at + n]
        at += n
        return struct.unpack("<h", v)[0] if n == 2 else v[0]

    while at < len(data):
        code = take(2)
        if 1 <= code <= 19 or code == 64:
            extra = []
        elif code == 21 or 23 <= code <= 26:
            extra = [take(1)]                       # fielder x 16 + difficulty
        elif code in (27, 28):
            extra = [take(2)]                       # the appeal's or the stumping's draw
        elif code in (32, 36):
            extra = [take(2)]                       # detail
        elif code in (33, 35, 37):
            extra = [take(2), take(2)]              # detail, difficulty
        else:
            raise Fail("outcome code %d" % code)
        codes.append((code, extra))
    return codes


def main():
    port, overs_wanted = int(sys.argv[1]), int(sys.argv[2])
    p = Peer(port)
    p.recv_exactly(2048)                               # the server's name
    p.sock.sendall(b"Peer".ljust(2048, b"\0"))

    # The series box: the server's squad, then ours, Ready; OK closes it.
    server_squad = None
    while True:
        mid, f = p.frame()
        if mid == 1:
            server_squad = f[0]
            p.short(1, server_squad + 1)
            p.send(12)
        elif mid == 13 and server_squad is not None:
            break

    # A Test's start, in the protocol's order: the new-Test box (our Ready,
    # the server's OK), the toss, the day's weather and the conditions, then
    # the two elevens. Anything else in between is a fault.
    def expect(*ids):
        mid, f = p.frame()
        if mid not in ids:
            raise Fail("%s where %s belongs" % (NAMES.get(mid, mid), " or ".join(NAMES[i] for i in ids)))
        return mid, f

    p.send(12)
    expect(13)

    # The away copy calls heads and tosses; the winner chooses.
    coin, call = 1, 1 if len(sys.argv) > 3 and sys.argv[3] == "tails" else 0
    p.short(17, coin * 256 + call)
    we_won = coin == call
    if we_won:
        p.short(18, 0)                                 # we bat
        we_bat = True
    else:
        we_bat = expect(18)[1][0] == 1                 # the server chose to field
    print("toss", "won" if we_won else "lost", "bat" if we_bat else "bowl")

    for mid in (24, 23):
        print(NAMES[mid], *expect(mid)[1])

    # Our eleven: squad members 0 to 10, the keeper 10, bowlers from the tail.
    team = list(range(11)) + [10, 0, 1] + [0, 1, 2, 3, 4] + [-1] * 6 + [4, 6]
    p.send(15, struct.pack("<27h", *team))
    acked = received = False
    while not (acked and received):
        mid, f = expect(*([15] if not received else []) + ([16] if not acked else []))
        if mid == 15:
            received = True
            p.send(16)
        else:
            acked = True

    batted = set()
    if we_bat:
        for slot in (0, 1):
            p.short(19, 100 + slot)
            p.send(20)
            batted.add(slot)
    else:
        for slot in (0, 1):
            p.short(21, 100 + slot)
            p.send(22)

    overs = 0
    legal = 0
    queue = b""
    bowler = None
    ball = None
    while overs < overs_wanted:
        mid, f = p.frame()
        if mid == 38:                                  # the other copy is ready for the next over
            p.send(39)
            p.send(38)
        elif mid == 29:
            queue += struct.pack("<h", f[0])
        elif mid == 28:
            queue += bytes(f)
        elif mid == 37 and not queue:                  # an over that weather or the innings' end stops
            print("over", overs + 1, "not bowled")
        elif mid == 37:                                # the over starts: its bowler and aggression
            if len(queue) != 5:
                raise Fail("over set-up of %d bytes" % len(queue))
            (bowler,) = struct.unpack("<h", queue[:2])
            for b in queue[2:]:
                if (b >> 4) > 10 or (b & 15) > 10:
                    raise Fail("aggression byte %d" % b)
            queue, legal = b"", 0
        elif mid == 34:
            ball = []
        elif mid == 35:
            if ball is None:
                raise Fail("delivery data before NM_STARTDELIVERY")
            codes = parse_ball(f[0])
            ball += codes
            print("ball", overs + 1, " ".join("%d%s" % (c, "".join(":%d" % x for x in e)) for c, e in codes))
            if not any(8 <= c <= 11 or c == 64 for c, _ in codes):
                legal += 1
            if any(c in (32, 33, 35, 36, 37) for c, _ in codes) and we_bat:
                slot = min(set(range(11)) - batted)
                batted.add(slot)
                p.short(19, 100 + slot)
                p.send(20)
            p.send(36)
        elif mid == 36:                                # the server's echo: the ball is over
            ball = None
            if legal == 6:
                overs += 1
                print("over", overs, "bowler", bowler, "balls", legal)
        elif mid in (11, 14, 19, 20, 21, 22, 24, 27, 30, 31, 32, 39, 41):
            pass
        elif mid == 25:
            p.send(26)
        else:
            raise Fail("unexpected %s during play" % NAMES.get(mid, mid))
    p.sock.close()
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (Fail, OSError) as e:
        print("peer: %s" % e)
        sys.exit(1)
