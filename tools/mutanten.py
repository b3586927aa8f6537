#!/usr/bin/env python3
"""How many small faults put into the code do the tests notice?

    python3 tools/mutanten.py --build build-mut [--ordner core ausgabe files ui] [--n 60] [--saat 31]
                              [--zeit 900] [--ctest "-j2 --stop-on-failure"] [--zeile datei:nr] [--zaehlen]

Collects every place in the program's own sources (not tests/) where one small change makes a plausible fault:
a comparison turned round or widened by one, && and || swapped, a sign flipped, one added to a number, true and
false swapped, a negation dropped, a statement that only calls something left out. Draws --n of those places with
the seed --saat, and for each in turn: writes the change into the file, builds incrementally, runs ctest, puts the
file back. A fault is caught when a test fails, survives when all pass, and counts for nothing when it does not
build. Prints each survivor with its line before and after, then "killed K of M (P %)".

--zeile runs only the changes at one line (e.g. core/gruppen.cpp:53), to see whether a new test catches them.
--zaehlen prints how many places each kind of change has and builds nothing.

The file is put back even on Ctrl-C, but the script edits the tree it runs in: use a worktree of its own
(git worktree add /tmp/mut HEAD) with a build of its own, and run it in the background.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

# Each kind: its name, what it finds, what it puts instead (None: the number plus one).
ARTEN = [
    ("< zu <=", re.compile(r"(?<=\s)<(?=\s)"), "<="),
    ("<= zu <", re.compile(r"(?<=\s)<=(?=\s)"), "<"),
    ("> zu >=", re.compile(r"(?<=\s)>(?=\s)"), ">="),
    (">= zu >", re.compile(r"(?<=\s)>=(?=\s)"), ">"),
    ("== zu !=", re.compile(r"(?<=\s)==(?=\s)"), "!="),
    ("!= zu ==", re.compile(r"(?<=\s)!=(?=\s)"), "=="),
    ("&& zu ||", re.compile(r"(?<=\s)&&(?=\s)"), "||"),
    ("|| zu &&", re.compile(r"(?<=\s)\|\|(?=\s)"), "&&"),
    ("+ zu -", re.compile(r"(?<=\s)\+(?=\s)"), "-"),
    ("- zu +", re.compile(r"(?<=\s)-(?=\s)"), "+"),
    ("true zu false", re.compile(r"\btrue\b"), "false"),
    ("false zu true", re.compile(r"\bfalse\b"), "true"),
    ("Zahl + 1", re.compile(r"(?<![\w.])\d+(?![\w.'])"), None),
    ("! weg", re.compile(r"!(?=[\w(])"), ""),
    ("++ zu --", re.compile(r"\+\+"), "--"),
]
NUR_AUFRUF = re.compile(r"^(\s*)[A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*)*\([^;{}]*\);\s*$")
KEIN_CODE = re.compile(r"^\s*(#|//|/\*|\*)|static_assert|Q_OBJECT|Q_PROPERTY")
STEUERWORT = re.compile(r"^\s*(return|if|for|while|switch|case|else|delete|throw|emit)\b")


def ohne_literale(zeile):
    """Strings, characters and the comment blanked, so no change lands inside them."""
    leer = lambda m: m.group()[0] + " " * (len(m.group()) - 2) + m.group()[-1]
    zeile = re.sub(r'"(?:\\.|[^"\\])*"', leer, zeile)
    zeile = re.sub(r"'(?:\\.|[^'\\])*'", leer, zeile)
    kommentar = zeile.find("//")
    return zeile if kommentar < 0 else zeile[:kommentar].ljust(len(zeile))


def quellen(wurzel, ordner):
    for o in ordner:
        for pfad, unter, namen in os.walk(os.path.join(wurzel, o)):
            unter[:] = sorted(u for u in unter if "test" not in u)
            for n in sorted(namen):
                if n.endswith((".cpp", ".h")) and "test" not in n:
                    yield os.path.relpath(os.path.join(pfad, n), wurzel)


def aenderungen(wurzel, ordner):
    """Every (file, line index, kind, new line) in the sources."""
    for datei in quellen(wurzel, ordner):
        with open(os.path.join(wurzel, datei), encoding="utf-8") as f:
            zeilen = f.readlines()
        for i, zeile in enumerate(zeilen):
            if KEIN_CODE.search(zeile):
                continue
            sauber = ohne_literale(zeile)
            m = NUR_AUFRUF.match(sauber)
            if m and not STEUERWORT.match(sauber):
                yield datei, i, "Aufruf weg", m.group(1) + ";  // weg\n"
            for art, muster, statt in ARTEN:
                for t in muster.finditer(sauber):
                    neu = str(int(t.group()) + 1) if statt is None else statt
                    yield datei, i, art, zeile[: t.start()] + neu + zeile[t.end():]


def lauf(befehl, wurzel, zeit):
    """Exit code of a shell command, or -1 when it took longer than `zeit` seconds."""
    umgebung = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    p = subprocess.Popen(befehl, shell=True, cwd=wurzel, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                         env=umgebung, start_new_session=True)
    try:
        return p.wait(timeout=zeit)
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        return -1


def main():
    a = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    a.add_argument("--build", default="build-mut")
    a.add_argument("--ordner", nargs="+", default=["core", "ausgabe", "files", "ui"])
    a.add_argument("--n", type=int, default=60)
    a.add_argument("--saat", type=int, default=31)
    a.add_argument("--zeit", type=int, default=900, help="seconds for one build and one test run each")
    a.add_argument("--ctest", default="-j2 --stop-on-failure")
    a.add_argument("--zeile", help="only the changes at datei:nr")
    a.add_argument("--zaehlen", action="store_true")
    o = a.parse_args()
    # Ended from outside: the file is still put back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(3))
    wurzel = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    alle = list(aenderungen(wurzel, o.ordner))
    if o.zaehlen:
        arten = {}
        for _, _, art, _ in alle:
            arten[art] = arten.get(art, 0) + 1
        for art, zahl in sorted(arten.items(), key=lambda x: -x[1]):
            print(f"{zahl:6}  {art}")
        print(f"{len(alle):6}  zusammen")
        return 0
    if o.zeile:
        datei, nr = o.zeile.rsplit(":", 1)
        gewaehlt = [x for x in alle if x[0] == datei and x[1] == int(nr) - 1]
    else:
        gewaehlt = random.Random(o.saat).sample(alle, min(o.n, len(alle)))
    bauen = f"cmake --build {o.build}"
    testen = f"ctest --test-dir {o.build} {o.ctest}"
    if lauf(bauen, wurzel, o.zeit * 4) != 0 or lauf(testen, wurzel, o.zeit) != 0:
        print("Ohne Änderung baut der Baum nicht oder ein Test scheitert: erst das beheben.", file=sys.stderr)
        return 2
    gefangen = gebaut = 0
    beginn = time.time()
    for datei, i, art, neu in gewaehlt:
        pfad = os.path.join(wurzel, datei)
        with open(pfad, encoding="utf-8") as f:
            vorher = f.read()
        zeilen = vorher.splitlines(keepends=True)
        alt = zeilen[i]
        zeilen[i] = neu
        try:
            with open(pfad, "w", encoding="utf-8") as f:
                f.write("".join(zeilen))
            if lauf(bauen, wurzel, o.zeit) != 0:
                print(f"nicht gebaut  {datei}:{i + 1}  ({art})", flush=True)
                continue
            gebaut += 1
            if lauf(testen, wurzel, o.zeit) != 0:
                gefangen += 1
                print(f"gefangen     {datei}:{i + 1}  ({art})", flush=True)
            else:
                print(f"ÜBERLEBT     {datei}:{i + 1}  ({art})\n    - {alt.strip()}\n    + {neu.strip()}", flush=True)
        finally:
            with open(pfad, "w", encoding="utf-8") as f:
                f.write(vorher)
    lauf(bauen, wurzel, o.zeit * 4)
    print(f"nicht gebaut: {len(gewaehlt) - gebaut}; {int(time.time() - beginn) // 60} Minuten")
    anteil = round(100 * gefangen / gebaut) if gebaut else 0
    print(f"killed {gefangen} of {gebaut} ({anteil} %)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
