"""What the single-file benchmarks share: their common options, and timing
iob2quorvane on one file under `measure`."""

import argparse
import os
import statistics
import subprocess


def parse_arguments(doc, add_own):
    """The common options, those `add_own(parser)` adds, then the command line's values;
    the first line of `doc` describes the benchmark."""
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(here, "..", "build"), help="build folder holding bin/")
    parser.add_argument("--runs", type=int, default=5, help="conversions timed (default: 5)")
    parser.add_argument("--work", default="/tmp", help="folder for the files (default: /tmp)")
    add_own(parser)
    return parser.parse_args()


def time_conversions(bin_dir, iob, out, runs):
    """Converts iob into out `runs` times; returns the median seconds and the largest peak resident bytes."""
    times, peaks = [], []
    for _ in range(runs):
        measured = subprocess.run([os.path.join(bin_dir, "measure"), os.path.join(bin_dir, "iob2quorvane"), iob, out],
                                  check=True, capture_output=True, text=True).stdout.split()
        times.append(float(measured[0]))
        peaks.append(int(measured[1]))
    return statistics.median(times), max(peaks)
