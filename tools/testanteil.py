#!/usr/bin/env python3
"""Test lines against code lines, two ratios against the non-blank, non-comment C++ lines of core/ ausgabe/ files/ ui/
tools/, and once more against those together with bench/ fuzz/ and the scripts in tools/ (Python, shell: non-blank
lines that are no comment):
- C++: the same kind of lines in tests/;
- whole: every non-blank line of tests/ (test code, expected outputs, tables, build files and scripts; files with
  NUL bytes, such as stored game files, do not count).

    python3 tools/testanteil.py [-v]      (-v: every file with its count)
"""
import os
import re
import sys

QUELLEN = re.compile(r"\.(cpp|h)$")


def zeilen(pfad):
    n, im_block = 0, False
    for zeile in open(pfad, encoding="utf-8", errors="replace"):
        s = zeile.strip()
        if im_block:
            if "*/" not in s:
                continue
            im_block, s = False, s.split("*/", 1)[1].strip()
        if s.startswith("/*"):
            im_block = "*/" not in s
            continue
        if s and not s.startswith("//"):
            n += 1
    return n


def summe(ordner, zeigen):
    gesamt = 0
    for wurzel in ordner:
        for d, _, namen in sorted(os.walk(wurzel)):
            for name in sorted(namen):
                if QUELLEN.search(name):
                    n = zeilen(os.path.join(d, name))
                    gesamt += n
                    if zeigen:
                        print(f"{n:6} {os.path.join(d, name)}")
    return gesamt


def alle_zeilen(ordner, zeigen):
    gesamt = 0
    for d, _, namen in sorted(os.walk(ordner)):
        for name in sorted(namen):
            pfad = os.path.join(d, name)
            with open(pfad, "rb") as f:
                inhalt = f.read()
            if b"\0" in inhalt:
                continue
            n = sum(1 for z in inhalt.decode("utf-8", "replace").splitlines() if z.strip())
            gesamt += n
            if zeigen:
                print(f"{n:6} {pfad} (ganz)")
    return gesamt


def skriptzeilen(ordner, zeigen):
    gesamt = 0
    for d, _, namen in sorted(os.walk(ordner)):
        for name in sorted(namen):
            if name.endswith((".py", ".sh")):
                pfad = os.path.join(d, name)
                n = sum(1 for z in open(pfad, encoding="utf-8") if z.strip() and not z.strip().startswith("#"))
                gesamt += n
                if zeigen:
                    print(f"{n:6} {pfad} (Skript)")
    return gesamt


if __name__ == "__main__":
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    zeigen = "-v" in sys.argv
    code = summe(["core", "ausgabe", "files", "ui", "tools"], zeigen)
    tests = summe(["tests"], zeigen)
    ganz = alle_zeilen("tests", zeigen)
    breit = code + summe(["bench", "fuzz"], zeigen) + skriptzeilen("tools", zeigen)
    print(f"Code {code}, Tests (C++) {tests}, Anteil {tests / code:.3f}")
    print(f"Code {code}, Tests (ganz) {ganz}, Anteil {ganz / code:.3f}")
    print(f"Code mit bench/, fuzz/ und Skripten {breit}: Tests (C++) {tests / breit:.3f}, Tests (ganz) {ganz / breit:.3f}")
