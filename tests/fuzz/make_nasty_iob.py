#!/usr/bin/env python3
"""Writes IOB files that other programs, editors and people might write:
short and over-long lines, NUL and Ctrl-Z bytes, tabs, bytes above 127,
wrong record types, every covariance header (COV, WGT, GENC, CORR) in the
CT and LG frames with height terms, weights that cannot be inverted and
from-stations without a position, junk and huge exponents in numeric fields
(LUNT factors among them), ';' in names, endless and over-full vector groups,
frames other than CT and LG, CR-only line ends, a last line without a
line end, and the two group shapes whose cost once grew with the square of
their size: a WGT group that gains a vector after every element, and a long
run of blank ELEM records after many vectors.

Usage: make_nasty_iob.py OUTPUT_DIR [COUNT] [SEED]
"""
import os
import random
import sys

STATION_SHORT = " PLH      BM-2041      N 45 30 12.345600 W 75 05 59.876543      123.456 ft"
STATION_LONG = (" PLO     *RIVERSIDE CONTROL MONUMENT 7    S 33 51  4.123400 "
                "E151 12 36.000000       58.200 m")
DXYZ = " DXYZ     ALPHA        BRAVO            1234.5678    -2345.6789      345.1234 m"
DXYZ_LONG = (" DXYZ    *" + "FIRST STATION OF MANY".ljust(32) + "SECOND".ljust(32)
             + "3.0".rjust(13) + " " + "4.0".rjust(13) + " " + "0.0".rjust(13) + " m")
COV = " COV  CT                        2.0   0.000001                   1.0                       m"
COV_DIAG = " COV  CT DIAG                   2.0   0.000001                   1.0                       m"
ELEM = " ELEM                 4.0E-06                 5.0E-07                -3.0E-07 m"
# ALPHA is the from-station of DXYZ, so that LG groups find its position.
STATION_ALPHA = " PLH      ALPHA        N 45  0  0.000000 W 75  0  0.000000      100.000 m"
# WGT, GENC and LG forms of the COV headers, some with height terms (columns 70-90).
HEADERS = [
    " WGT  CT DIAG                   1.5                                                        m",
    " WGT  LG                        2.0                                                        m",
    " GENC CT UPPR    4.0E-07        2.0    3.0E-06        1.5        1.0                       m",
    " GENC LG DIAG    4.0E-07                                                                   m",
    " COV  LG DIAG                                                    1.0                       m",
    " COV  CT                                                                   3.0        4.0 cm",
]
WEIGHTS = " ELEM                 2.5E+05                 1.0E+05                 4.0E+04 m"
HEADER = [
    " TITL Nasty network",
    " ELIP GRS 1980           6378137.000  6356752.3141",
    " LUNT xx 0.3048006096",
]
NUMBERS = ["1e999", "-1D999", "1e-999", "-0", ".", "+-1", "1.2.3", "0x1p3", "inf", "nan",
           "9" * 40, "1.5D+02", "abc", "\t7", "1e", "-.5e-3"]
TYPES = ["TITL", "ELIP", "LUNT", "PLH ", "PLO ", "DXYZ", "COV ", "ELEM", "GRP ", "3DD ", "END ",
         "END", "plh ", "Dxyz", "XXXX", "", "EL", "COV", "WGT ", "WGT", "CORR", "GENC"]


def mutate(line, rng):
    choice = rng.randrange(12)
    if choice == 0:
        return line[: rng.randrange(len(line) + 1)]
    if choice == 1:
        return line + "x" * rng.randrange(200, 600)
    if choice == 2:
        at = rng.randrange(len(line) + 1)
        return line[:at] + rng.choice(["\0", "\x1a", "\t", "\r", "\xe9", "\xff", "\x80"]) + line[at:]
    if choice == 3:
        return " " + rng.choice(TYPES) + line[5:]
    if choice == 4:
        at = rng.randrange(6, max(7, len(line)))
        number = rng.choice(NUMBERS)
        return line[:at] + number + line[at + len(number):]
    if choice == 5:
        return line[:6] + rng.choice(["XY", "ct", "C", "  ", "CT", "LG", "lg"]) + line[8:]
    if choice == 6:
        return line.upper() if rng.random() < 0.5 else line.lower()
    if choice == 7:
        return "".join(rng.choice(" \t0123456789.-+eEdD") for _ in range(rng.randrange(120)))
    if choice == 8:
        # A ';' in or near a name field.
        at = rng.randrange(10, 45)
        return line[:at] + ";" + line[at + 1:]
    return line


def growing_wgt_group(vectors):
    """A WGT group whose order grows after each of its elements."""
    return [" WGT  CT"] + [" DXYZ", " ELEM 1"] * vectors


def blank_elements(count):
    """Vectors followed by as many ELEM records that hold no value."""
    return [" DXYZ"] * count + [" ELEM"] * count


def nasty_file(rng):
    lines = list(HEADER) if rng.random() < 0.7 else []
    for _ in range(rng.randrange(1, 30)):
        kind = rng.randrange(9)
        if kind == 0:
            lines.append(rng.choice([STATION_SHORT, STATION_LONG]))
        elif kind == 1:
            # An endless group: vectors that never get their elements.
            lines += [rng.choice([DXYZ, DXYZ_LONG])] * rng.randrange(1, 40)
        elif kind == 2:
            # An over-full group: more element values than it can place.
            lines += [DXYZ] + [ELEM] * rng.randrange(1, 6)
        elif kind == 3:
            lines += [rng.choice([COV, COV_DIAG]), DXYZ, DXYZ, ELEM]
        elif kind == 4:
            lines.append(rng.choice(["! comment", "", " \t ", " END ", " GRP  1", " 3DD  x"]))
        elif kind == 5:
            # Another covariance form: weights, generated or local covariances.
            lines += [STATION_ALPHA] if rng.random() < 0.7 else []
            lines += [rng.choice(HEADERS), DXYZ] + [rng.choice([WEIGHTS, ELEM])] * rng.randrange(1, 8)
        elif kind == 6:
            lines += growing_wgt_group(rng.randrange(1, 300)) if rng.random() < 0.5 else \
                blank_elements(rng.randrange(1, 300))
        else:
            lines.append(rng.choice([DXYZ, COV, COV_DIAG, ELEM, ELEM, WEIGHTS, STATION_SHORT] + HEADERS))
    lines = [mutate(line, rng) if rng.random() < 0.3 else line for line in lines]
    ending = rng.choice(["\n", "\r\n", "\r\n", "\r"])
    text = ending.join(lines)
    if rng.random() < 0.7:
        text += ending  # otherwise the last line has no line end
    return text.encode("latin-1")


def main():
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 64
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 2026)
    os.makedirs(out, exist_ok=True)
    for i in range(count):
        with open(os.path.join(out, "nasty-%03d.iob" % i), "wb") as f:
            f.write(nasty_file(rng))


if __name__ == "__main__":
    main()
