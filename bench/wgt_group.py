#!/usr/bin/env python3
"""Times the conversion of one WGT group: the full weight matrix of N vectors.

    python3 bench/wgt_group.py [--build DIR] [--vectors N] [--runs R] [--work DIR]

Writes one group of N vectors (default 300) whose 3N x 3N weight matrix
couples every vector with every other and is positive definite (its
diagonal dominates), converts it R times (default 5) under `measure`, checks
that every vector reached the output, and prints the median seconds and the
peak resident memory. The file is made afresh each time: it takes a second.
"""

import os
import random
import sys

from converter_runs import parse_arguments, time_conversions


def write_group(path, vectors):
    rng = random.Random(vectors)
    n = 3 * vectors
    with open(path, "w", newline="\r\n") as out:
        out.write(" TITL One WGT group of %d vectors\n" % vectors)
        for i in range(vectors):
            out.write(" DXYZ     S%-11d S%-11d %13.4f %13.4f %13.4f m\n"
                      % (i, i + 1, rng.uniform(-3e4, 3e4), rng.uniform(-3e4, 3e4), rng.uniform(-5e3, 5e3)))
        out.write(" WGT  CT\n")
        values = []
        for row in range(n):
            for column in range(row, n):
                values.append(1e5 + 1e3 * n if row == column else 1e3 * rng.uniform(-1.0, 1.0))
        for k in range(0, len(values), 3):
            out.write(" ELEM " + " ".join("%23.6E" % value for value in values[k:k + 3]) + " m\n")
        out.write(" END\n")


def main():
    args = parse_arguments(__doc__, lambda parser: parser.add_argument(
        "--vectors", type=int, default=300, help="vectors in the group (default: 300)"))
    bin_dir = os.path.join(args.build, "bin")
    iob = os.path.join(args.work, "wgt-%d.iob" % args.vectors)
    out = os.path.join(args.work, "wgt-%d.txt" % args.vectors)
    write_group(iob, args.vectors)

    seconds, peak = time_conversions(bin_dir, iob, out, args.runs)
    with open(out, newline="") as converted:
        lines = sum(1 for line in converted if line.startswith("$GPS_COMPACT; "))
    os.remove(iob)
    os.remove(out)
    if lines != args.vectors:
        sys.exit("%d of %d vectors converted" % (lines, args.vectors))
    print("WGT group of %d vectors (%d x %d weights): %.3f s median of %d, peak RSS %.1f MB"
          % (args.vectors, 3 * args.vectors, 3 * args.vectors, seconds, args.runs, peak / 1e6))


if __name__ == "__main__":
    main()
