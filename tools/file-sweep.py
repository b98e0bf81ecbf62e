#!/usr/bin/env python3
"""A long sweep of damaged files against ovalspin-cli run as a process.

    tools/file-sweep.py [--cli build-san/ovalspin-cli] [--mutants N] [--seed S] [--work DIR]

Best run once by hand against the sanitized build (OVALSPIN_SANITIZE=ON). It
makes real files with the program (a database, saved positions mid-Test,
between Tests and after a series, a saved league, the old separate files),
then for each kind N seeded mutants (truncations at block boundaries, bit
and byte flips, 16-bit index fields set to -1, a store's size, 0x7fff or
0x8000), and runs the commands that read them. A finding is: a signal or an
exit status other than 0 or 1, a sanitizer report, a run past its time, a
refusal without a reason, a file changed by a refused load, or a temporary
file left behind. Also: two copies on one data directory, and saves killed
at random moments. Prints the figures per kind; exit status 1 on a finding.
"""
import argparse
import os
import random
import shutil
import signal
import struct
import subprocess
import sys
import time

DBHEADER, NUMBERS, PLAYER, SQUAD, GROUND, RECORDS = 452, 16, 336, 1320, 60, 1080
BLOCK, SERIES, CURRENT, TOOLBARS, LEAGUE = 8, 70726, 5398, 7 * 66, 2228
TEST, TEST_AT, REPLAY_AT, INNINGS, INNINGS_AT = 10436, 14, 1844, 364, 270
DB_NAME = "OVS Test Database (Shareware).db"
OLD_SQUAD_MOVES = [(0, 0, 30), (30, 30, 600), (630, 930, 2), (632, 932, 2), (634, 934, 40), (674, 994, 12),
                   (686, 1006, 2), (688, 1008, 2), (690, 1010, 10), (700, 1020, 2), (702, 1022, 130),
                   (832, 1152, 2), (834, 1154, 2), (838, 1158, 120), (958, 1318, 2)]
TIMEOUT = 300


def i16(b, at):
    return struct.unpack_from("<h", b, at)[0]


class Layout:
    """Where the stores and blocks of a database image or saved position start."""

    def __init__(self, f):
        self.players_n, self.squads_n, self.grounds_n, self.records_n = (i16(f, DBHEADER + 2 * k) for k in range(4))
        self.players = DBHEADER + NUMBERS
        self.squads = self.players + PLAYER * self.players_n
        self.grounds = self.squads + SQUAD * self.squads_n
        self.records = self.grounds + GROUND * self.grounds_n
        self.end = self.records + RECORDS * self.records_n
        self.series = self.end + BLOCK
        self.current = self.series + SERIES + BLOCK
        self.toolbar = self.current + CURRENT
        self.league = self.toolbar + TOOLBARS + BLOCK
        self.rubbers = self.league + LEAGUE + BLOCK

    def db_boundaries(self):
        b = [0, DBHEADER, self.players, self.squads, self.grounds, self.records, self.end]
        b += [self.squads + k * SQUAD for k in range(min(self.squads_n, 6))]
        return b

    def db_fields(self):
        f = list(range(DBHEADER, DBHEADER + NUMBERS, 2))
        for s in range(self.squads_n):
            f += [self.squads + s * SQUAD + o for o in range(930, 1006, 2)]
        f += [self.players + p * PLAYER + 33 for p in range(0, self.players_n, 5)]   # bowling type, low byte
        f += [self.grounds + g * GROUND + o for g in range(self.grounds_n) for o in (20, 42, 44)]
        f += [self.records + r for r in range(0, RECORDS * self.records_n, 38)]
        return f

    def position_boundaries(self, size):
        return self.db_boundaries() + [self.series - BLOCK, self.series, self.current - BLOCK, self.current,
                                       self.toolbar, self.league - BLOCK, self.league, self.rubbers - BLOCK,
                                       self.rubbers, size]

    def position_fields(self, teams=0):
        f = list(range(self.series, self.series + TEST_AT, 2))
        for t in range(6):
            test = self.series + TEST_AT + t * TEST
            f += range(test, test + 54, 2)
            for n in range(4):
                f += range(test + INNINGS_AT + n * INNINGS, test + INNINGS_AT + n * INNINGS + 50, 2)
            f += [test + REPLAY_AT, test + REPLAY_AT + 2]
        f += range(self.series + 67482, self.series + 67494, 2)
        f += range(self.series + 67574, self.series + 67798, 2)
        f += range(self.current, self.current + 400, 2)
        f += range(self.league, self.league + 448, 2)
        for r in range(teams * teams):
            s = self.rubbers + r * SERIES
            f += [s + 4, s + 6, s + 67482] + list(range(s + 67574, s + 67798, 8))
        return f


class Mutator:
    def __init__(self, seed, boundaries, fields, sizes):
        self.rng = random.Random(seed)
        self.boundaries, self.fields, self.sizes = boundaries, fields, sizes

    def next(self, good, flip_from, flip_to):
        f = bytearray(good)
        kind = self.rng.randrange(10)
        if kind < 2:
            at = self.rng.choice(self.boundaries) + self.rng.randrange(3) - 1
            what = "cut at %d" % max(at, 0)
            del f[max(at, 0):]
        elif kind < 4:
            what = "flips"
            for _ in range(1 + self.rng.randrange(3)):
                at = self.rng.randrange(flip_from, flip_to)
                f[at] ^= 1 << self.rng.randrange(8)
                what += " %d" % at
        elif kind < 5:
            at = self.rng.randrange(flip_from, flip_to)
            f[at] = self.rng.choice([0, 0x7f, 0x80, 0xff])
            what = "byte %d = %d" % (at, f[at])
        else:
            at = self.rng.choice(self.fields)
            v = self.rng.choice([-1, self.rng.choice(self.sizes), 0x7fff, -0x8000])
            if at + 2 <= len(f):
                struct.pack_into("<h", f, at, v)
            what = "field %d = %d" % (at, v)
        return bytes(f), what


class Sweep:
    def __init__(self, cli, work, seed):
        self.cli, self.work, self.seed = cli, work, seed
        self.findings = []
        self.env = dict(os.environ)
        self.env["ASAN_OPTIONS"] = "detect_leaks=1:abort_on_error=0:exitcode=99"
        self.env["UBSAN_OPTIONS"] = "print_stacktrace=1:halt_on_error=1:exitcode=98"
        self.env.pop("OVALSPIN_DATA", None)

    def run(self, data, args, timeout=TIMEOUT):
        cmd = [self.cli, "--data", data, "--seed", str(self.seed)] + args
        try:
            p = subprocess.run(cmd, capture_output=True, text=True, errors="replace", timeout=timeout, env=self.env,
                               cwd=data if os.path.isdir(data) else self.work)
        except subprocess.TimeoutExpired:
            return None, "timeout"
        return p.returncode, p.stdout + p.stderr

    def finding(self, kind, what, text):
        self.findings.append("%s: %s: %s" % (kind, what, text))
        print("FINDING %s: %s: %s" % (kind, what, text[:2000]), flush=True)

    def check(self, kind, what, data, args, rc, out, placed):
        label = "%s [%s]" % (what, " ".join(args))
        if rc is None:
            self.finding(kind, label, "ran past %d s" % TIMEOUT)
            return False
        if "Sanitizer" in out or "runtime error:" in out:
            self.finding(kind, label, out)
            return False
        if rc not in (0, 1):
            self.finding(kind, label, "exit status %d\n%s" % (rc, out))
            return False
        if rc == 1 and not out.strip():
            self.finding(kind, label, "refused without a reason")
        leftovers = [n for n in os.listdir(data) if ".ovs-tmp-" in n]
        if leftovers:
            self.finding(kind, label, "temporary files left: %s" % leftovers)
        if rc == 1:
            for name, content in placed.items():
                path = os.path.join(data, name)
                if os.path.exists(path) and open(path, "rb").read() != content:
                    self.finding(kind, label, "a refused run changed %s" % name)
        return True

    def fresh(self, base, name):
        d = os.path.join(self.work, name)
        shutil.rmtree(d, ignore_errors=True)
        shutil.copytree(base, d)
        for n in os.listdir(d):
            if n.endswith(".txt") or n.endswith(".TXT") or n == "ovalspin.lock":
                os.remove(os.path.join(d, n))
        return d

    def kind(self, name, base, files, mutate, commands, count):
        """Place each mutant of `files` (name -> good bytes) in a copy of `base`, run each command."""
        refused = accepted = 0
        for i in range(count):
            placed = dict(files)
            target, content, what = mutate(i)
            placed[target] = content
            d = self.fresh(base, "mutant")
            for n, c in placed.items():
                with open(os.path.join(d, n), "wb") as fh:
                    fh.write(c)
            first = True
            for args in commands:
                # What a refusal must leave as it was: the files as they stand before the run.
                before = {n: open(os.path.join(d, n), "rb").read() for n in placed if os.path.exists(os.path.join(d, n))}
                rc, out = self.run(d, args)
                if not self.check(name, "mutant %d (%s: %s)" % (i, target, what), d, args, rc, out, before):
                    break
                if first:
                    if rc == 1:
                        refused += 1
                    else:
                        accepted += 1
                    first = False
        print("[ sweep ] %-16s %4d mutants: %4d refused, %4d accepted, %d findings so far" %
              (name, count, refused, accepted, len(self.findings)), flush=True)
        return count, refused, accepted


def old_files(db):
    l = Layout(db)
    numbers = db[DBHEADER:DBHEADER + 12]
    players = b"".join(db[l.players + p * PLAYER:l.players + p * PLAYER + 256] for p in range(l.players_n))
    squads = b""
    for s in range(l.squads_n):
        new = db[l.squads + s * SQUAD:l.squads + (s + 1) * SQUAD]
        o = bytearray(1024)
        for old_at, new_at, n in OLD_SQUAD_MOVES:
            o[old_at:old_at + n] = new[new_at:new_at + n]
        struct.pack_into("<h", o, 630, min(i16(o, 630), 20))
        squads += bytes(o)
    grounds = b"".join(db[l.grounds + g * GROUND:l.grounds + (g + 1) * GROUND] + bytes(4) for g in range(l.grounds_n))
    return {"NUMBERSW.DAT": numbers, "PLAYERSW.DAT": players, "SQUADSW.DAT": squads, "GROUNDSW.DAT": grounds}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--cli", default="build-san/ovalspin-cli")
    ap.add_argument("--mutants", type=int, default=200)
    ap.add_argument("--seed", type=int, default=1414)
    ap.add_argument("--work", default="/tmp/ovs-file-sweep")
    a = ap.parse_args()
    cli = os.path.abspath(a.cli)
    shutil.rmtree(a.work, ignore_errors=True)
    os.makedirs(a.work)
    sw = Sweep(cli, a.work, a.seed)
    started = time.time()

    # The real files, made by the program.
    def make(name, args):
        d = os.path.join(a.work, name)
        rc, out = sw.run(d, args)
        if rc != 0:
            sys.exit("could not make %s: %s" % (name, out))
        return d

    base = make("base", ["db"])
    db = open(os.path.join(base, DB_NAME), "rb").read()
    positions = {
        "mid-Test": make("mid", ["play", "--tests", "2", "--save-after-overs", "150", "1", "2"]),
        "second Test": make("second", ["play", "--tests", "2", "--save-after-overs", "420", "1", "2"]),
        "series over": make("over", ["play", "--tests", "2", "--save", "1", "2"]),
    }
    league = make("league", ["league", "--tests", "1", "--save-after-overs", "60", "1", "2", "3"])
    saved = {k: open(os.path.join(d, "CURRENT.DAT"), "rb").read() for k, d in positions.items()}
    league_saved = open(os.path.join(league, "CURRENT.DAT"), "rb").read()
    n = a.mutants
    figures = []

    # Databases: start-up loads them; play a Test on those taken.
    l = Layout(db)
    m = Mutator(a.seed + 1, l.db_boundaries(), l.db_fields(), [l.players_n, l.squads_n, l.grounds_n, 30])
    figures.append(("database",) + sw.kind(
        "database", base, {}, lambda i: (DB_NAME,) + m.next(db, l.players, l.records),
        [["db"], ["play", "--tests", "1", "1", "2"], ["view", "most-runs"]], n))

    # Saved positions of each state.
    for k, good in saved.items():
        l = Layout(good)
        m = Mutator(a.seed + 2 + len(figures), l.position_boundaries(len(good)), l.position_fields(),
                    [l.players_n, l.squads_n, l.grounds_n, 11, 30, 2, 4, 6])
        figures.append(("position " + k,) + sw.kind(
            "position " + k, base, {}, lambda i, good=good, l=l: ("CURRENT.DAT",) + m.next(good, l.series, l.toolbar),
            [["resume"], ["db", "--careers", "--saved"], ["replay", "1"], ["report", "--saved", "--out", "summary.txt", "series-summary"]],
            n // len(saved) + 1))

    # Replay streams: flips and fields inside the first Test's recording.
    good = saved["series over"]
    l = Layout(good)
    stream = l.series + TEST_AT + REPLAY_AT
    length = i16(good, stream) & 0xffff
    m = Mutator(a.seed + 9, [stream], [stream, stream + 2] + list(range(stream + 4, stream + 60)),
                [length, length + 1, 8192, 11])
    figures.append(("replay stream",) + sw.kind(
        "replay stream", base, {}, lambda i: ("CURRENT.DAT",) + m.next(good, stream + 4, stream + 4 + length),
        [["replay", "1"], ["replay", "2"], ["site", "--saved", "site"]], n))
    good_mid = saved["mid-Test"]
    lm = Layout(good_mid)
    stream_mid = lm.series + TEST_AT + REPLAY_AT
    length_mid = i16(good_mid, stream_mid) & 0xffff
    m2 = Mutator(a.seed + 10, [stream_mid], [stream_mid, stream_mid + 2], [length_mid, 8192, 0])
    figures.append(("stream played",) + sw.kind(
        "stream played", base, {},
        lambda i: ("CURRENT.DAT",) + m2.next(good_mid, stream_mid + 4, stream_mid + 4 + length_mid),
        [["resume", "--save"], ["replay", "1"]], n // 2))

    # A saved league.
    l = Layout(league_saved)
    m = Mutator(a.seed + 11, l.position_boundaries(len(league_saved)) +
                [l.rubbers + r * SERIES for r in range(9)], l.position_fields(3), [3, 2, 10, 6, 1, l.squads_n])
    figures.append(("saved league",) + sw.kind(
        "saved league", base, {}, lambda i: ("CURRENT.DAT",) + m.next(league_saved, l.league, len(league_saved)),
        [["league", "--resume"], ["resume"], ["report", "--saved", "--out", "table.txt", "league-table"]], n // 2))

    # The old separate files, imported.
    olds = old_files(db)
    names = sorted(olds)
    muts = {}
    for nm in names:
        size = {"NUMBERSW.DAT": 12, "PLAYERSW.DAT": 256, "SQUADSW.DAT": 1024, "GROUNDSW.DAT": 64}[nm]
        good_o = olds[nm]
        bounds = list(range(0, len(good_o) + 1, size * max(1, len(good_o) // size // 12)))
        fields = list(range(630, len(good_o), 1024)) if nm == "SQUADSW.DAT" else list(range(0, len(good_o) - 1, 2))
        if nm == "SQUADSW.DAT":
            fields = [s * 1024 + o for s in range(len(good_o) // 1024) for o in range(630, 686, 2)]
        muts[nm] = Mutator(a.seed + 12 + len(muts), bounds, fields, [l.players_n, l.squads_n, l.grounds_n, 20, 30])

    def old_mutant(i):
        nm = names[i % len(names)]
        content, what = muts[nm].next(olds[nm], 0, len(olds[nm]))
        return nm, content, what

    figures.append(("old files",) + sw.kind(
        "old files", base, olds, old_mutant, [["db", "--import"], ["play", "--tests", "1", "1", "2"]], n // 2))

    # Special files in place of each file the program reads or writes.
    specials = 0
    targets = {DB_NAME: [["db"]], "CURRENT.DAT": [["resume"], ["db", "--careers", "--saved"]],
               "OPTION.DAT": [["db"]], "MAIL.DAT": [["db"]], "DEBUG.TXT": [["db"]], "ovalspin.lock": [["db"]],
               "SQUADSW.DAT": [["db", "--import"]]}
    for target, commands in targets.items():
        for form in ("fifo", "directory", "/dev/zero", "dangling link", "huge", "empty"):
            d = sw.fresh(positions["mid-Test"], "special")
            for nm, c in olds.items():
                with open(os.path.join(d, nm), "wb") as fh:
                    fh.write(c)
            path = os.path.join(d, target)
            if os.path.lexists(path):
                os.remove(path)
            if form == "fifo":
                os.mkfifo(path)
            elif form == "directory":
                os.mkdir(path)
            elif form == "/dev/zero":
                os.symlink("/dev/zero", path)
            elif form == "dangling link":
                os.symlink(os.path.join(d, "gone"), path)
            elif form == "huge":
                with open(path, "wb") as fh:
                    fh.truncate((128 << 20) + 1)
            else:
                open(path, "wb").close()
            for args in commands:
                specials += 1
                rc, out = sw.run(d, args, timeout=60)
                sw.check("special files", "%s as %s" % (target, form), d, args, rc, out, {})
            if form == "dangling link" and not os.path.islink(path):
                sw.finding("special files", "%s as %s" % (target, form), "the link was replaced")
    print("[ sweep ] special files     %4d runs, %d findings so far" % (specials, len(sw.findings)), flush=True)

    # Two copies on one directory: the second is refused, the first's save is whole.
    d = sw.fresh(positions["mid-Test"], "two")
    cmd = [cli, "--data", d, "--seed", "3", "resume", "--save"]
    first = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=sw.env)
    time.sleep(0.5)
    rc2, out2 = sw.run(d, ["resume", "--save"])
    out1 = first.communicate(timeout=TIMEOUT)[0].decode(errors="replace")
    if first.returncode != 0 or "Sanitizer" in out1:
        sw.finding("two copies", "first copy", out1)
    if first.poll() is not None and rc2 == 0 and "already using" not in out2:
        # The first may have ended before the second started; then both may succeed.
        pass
    rc, out = sw.run(d, ["db", "--careers", "--saved"])
    sw.check("two copies", "after", d, ["db", "--careers", "--saved"], rc, out, {})
    if rc != 0:
        sw.finding("two copies", "saved file", out)

    # Saves killed at random moments: the file is the old one or the new one, whole.
    rng = random.Random(a.seed)
    killed = 0
    save_cmd = ["resume", "--save-after-overs", "5"]
    d = sw.fresh(positions["mid-Test"], "killed")
    t0 = time.time()
    sw.run(d, save_cmd)
    whole = time.time() - t0
    for k in range(20):
        d = sw.fresh(positions["mid-Test"], "killed")
        old = open(os.path.join(d, "CURRENT.DAT"), "rb").read()
        p = subprocess.Popen([cli, "--data", d, "--seed", "3"] + save_cmd,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=sw.env)
        time.sleep(rng.uniform(0.6, 1.0) * whole)   # the save is at the end of the run
        if p.poll() is None:
            p.send_signal(signal.SIGKILL)
            killed += 1
        p.wait()
        now = open(os.path.join(d, "CURRENT.DAT"), "rb").read()
        if now != old and len(now) != len(old):
            sw.finding("killed save", "try %d" % k, "CURRENT.DAT torn: %d bytes, was %d" % (len(now), len(old)))
        rc, out = sw.run(d, ["db", "--careers", "--saved"])
        if rc != 0:
            sw.finding("killed save", "try %d" % k, out)
        if [n for n in os.listdir(d) if ".ovs-tmp-" in n]:
            sw.finding("killed save", "try %d" % k, "a temporary file outlived the next start")

    print("\nkind                 mutants  refused  accepted")
    for name, count, refused, accepted in figures:
        print("%-20s %7d  %7d  %8d" % (name, count, refused, accepted))
    print("killed saves: %d of 20 killed before they ended" % killed)
    print("findings: %d   (%.0f s)" % (len(sw.findings), time.time() - started))
    return 1 if sw.findings else 0


if __name__ == "__main__":
    sys.exit(main())
