"""What the benchmarks share: their common options, and running programs under `measure`."""

import argparse
import os
import statistics
import sys
import tempfile


def parse_arguments(doc, add_own):
    """The common options, those `add_own(parser)` adds, then the command line's values;
    the first line of `doc` describes the benchmark."""
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(here, "..", "build"),
                        help="build folder holding bin/ (default: build)")
    parser.add_argument("--runs", type=int, default=5, help="timed runs of each program and size (default: 5)")
    parser.add_argument("--work", default="/tmp", help="folder for the files (default: /tmp)")
    add_own(parser)
    return parser.parse_args()


def output_of(argv):
    """Runs argv to its end and returns its standard output. What it writes to standard error is shown
    only if it fails: the group shapes are made to draw the converter's warnings, which would break up
    the figures."""
    read_end, write_end = os.pipe()
    with tempfile.TemporaryFile() as messages:
        pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=[
            (os.POSIX_SPAWN_DUP2, write_end, 1), (os.POSIX_SPAWN_DUP2, messages.fileno(), 2)])
        os.close(write_end)
        with os.fdopen(read_end) as output:
            text = output.read()
        _, status = os.waitpid(pid, 0)
        if os.waitstatus_to_exitcode(status) != 0:
            messages.seek(0)
            sys.stderr.write(messages.read().decode(errors="replace"))
            sys.exit(f"failed: {' '.join(argv)}")
    return text


def run(bin_dir, argv):
    """Runs argv under measure; returns (seconds, peak resident bytes)."""
    seconds, peak = output_of([os.path.join(bin_dir, "measure")] + argv).split()
    return float(seconds), int(peak)


def time_conversions(bin_dir, iob, out, runs):
    """Converts iob into out `runs` times; returns the median seconds and the largest peak resident bytes."""
    converter = [os.path.join(bin_dir, "iob2quorvane"), iob, out]
    times, peaks = zip(*(run(bin_dir, converter) for _ in range(runs)))
    return statistics.median(times), max(peaks)
