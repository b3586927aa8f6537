#!/usr/bin/env python3
"""Test lines against code lines: non-blank, non-comment C++ lines of tests/ against core/ ausgabe/ files/ ui/ tools/.

    python3 tools/testanteil.py [-v]      (-v: every file with its count)
Data files next to the tests (expected outputs) are not C++ and do not count.
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


if __name__ == "__main__":
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    zeigen = "-v" in sys.argv
    code = summe(["core", "ausgabe", "files", "ui", "tools"], zeigen)
    tests = summe(["tests"], zeigen)
    print(f"Code {code}, Tests {tests}, Anteil {tests / code:.2f}")
