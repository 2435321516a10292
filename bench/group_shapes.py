#!/usr/bin/env python3
"""Times the two group shapes whose cost once grew with the square of their size.

    python3 bench/group_shapes.py [--build DIR] [--size N] [--runs R] [--work DIR]

  growing WGT group  " WGT  CT" and then N times " DXYZ" and " ELEM 1": the
                     group's order grows after every element (N = 2000 took
                     156 s and 566 MB when every new vector copied the matrix)
  blank ELEMs        N " DXYZ" records and then N " ELEM" records that hold no
                     value (N = 100000 took 38 s when each cleared every vector)

Converts each at N and 10 N vectors (default N = 20000) R times (default 5)
under `measure` and prints the median seconds, the peak resident memory and
how much longer the larger file took: about 10 for linear time, about 100
for quadratic.
"""

import os

from converter_runs import parse_arguments, time_conversions

SHAPES = {
    "growing WGT group": lambda n: " WGT  CT\n" + " DXYZ\n ELEM 1\n" * n,
    "blank ELEMs": lambda n: " DXYZ\n" * n + " ELEM\n" * n,
}


def main():
    args = parse_arguments(__doc__, lambda parser: parser.add_argument(
        "--size", type=int, default=20000, help="vectors of the smaller file (default: 20000)"))
    bin_dir = os.path.join(args.build, "bin")
    iob = os.path.join(args.work, "group-shape.iob")
    out = os.path.join(args.work, "group-shape.txt")
    for name, make in SHAPES.items():
        seconds = []
        for vectors in (args.size, 10 * args.size):
            with open(iob, "w") as f:
                f.write(make(vectors))
            median, peak = time_conversions(bin_dir, iob, out, args.runs)
            seconds.append(median)
            print("%-18s %7d vectors, %5.1f MB: %.3f s median of %d, peak RSS %.1f MB"
                  % (name, vectors, os.path.getsize(iob) / 1e6, median, args.runs, peak / 1e6))
        print("%-18s 10 times the vectors took %.1f times as long" % (name, seconds[1] / max(seconds[0], 1e-3)))
    os.remove(iob)
    os.remove(out)


if __name__ == "__main__":
    main()
