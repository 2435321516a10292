#!/usr/bin/env python3
"""Times iob2quorvane beside the I/O floor on generated IOB files.

    python3 bench/run_benchmark.py [--build DIR] [--runs N] [--sizes MB,MB] [--work DIR]

For each profile of iob_generate (realistic, fixed) and each size it
generates a file (kept in the work folder for later runs), converts it once to learn the output size and warm
the page cache, then alternates N runs of io_floor (the same file read three
times, an output of the same size written) and N runs of iob2quorvane. It
prints the median seconds, MB/s of input, the ratio to the floor and the peak
resident memory of the converter, then checks the targets:
  - at most 4 times the I/O floor at the largest size of the realistic profile;
  - the largest size within 12 times the smallest one's time per 10x input
    (the time grows linearly with the input);
  - peak resident memory at most 8 MB plus 100 bytes per station.
Exits 1 when a target is missed.
"""

import os
import statistics
import sys

from converter_runs import output_of, parse_arguments, run

MB = 1_000_000


def generate(tool, profile, megabytes, path):
    """Makes the file unless it is there; returns its station count."""
    counts = path + ".counts"
    if not (os.path.exists(path) and os.path.exists(counts)):
        summary = output_of([tool, "--profile", profile, str(megabytes), path])
        with open(counts, "w") as file:
            file.write(summary)
    with open(counts) as file:
        fields = dict(item.split("=") for item in file.read().split())
    return int(fields["stations"])


def measure(bin_dir, work, profile, megabytes, runs):
    iob = os.path.join(work, f"bench-{profile}-{megabytes}mb.iob")
    out = os.path.join(work, f"bench-{profile}-{megabytes}mb.txt")
    floor_out = os.path.join(work, f"bench-{profile}-{megabytes}mb.floor")
    stations = generate(os.path.join(bin_dir, "iob_generate"), profile, megabytes, iob)
    converter = [os.path.join(bin_dir, "iob2quorvane"), iob, out]
    run(bin_dir, converter)
    floor = [os.path.join(bin_dir, "io_floor"), iob, floor_out, str(os.path.getsize(out))]
    floor_times, times, peaks = [], [], []
    for _ in range(runs):
        floor_times.append(run(bin_dir, floor)[0])
        seconds, peak = run(bin_dir, converter)
        times.append(seconds)
        peaks.append(peak)
    for path in (out, floor_out):
        os.remove(path)
    return {
        "profile": profile,
        "mb": os.path.getsize(iob) / MB,
        "stations": stations,
        "seconds": statistics.median(times),
        "floor": statistics.median(floor_times),
        "peak": max(peaks),
    }


def machine():
    """The processor's model name and the number of cores, as lscpu shows them."""
    model = "unknown processor"
    with open("/proc/cpuinfo") as file:
        for line in file:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    return f"{model}, {os.cpu_count()} cores"


def main():
    args = parse_arguments(__doc__, lambda parser: parser.add_argument(
        "--sizes", default="10,100", help="input sizes in MB (default: 10,100)"))
    bin_dir = os.path.join(args.build, "bin")
    sizes = [int(size) for size in args.sizes.split(",")]

    profiles = ["realistic", "fixed"]
    results = {p: [measure(bin_dir, args.work, p, size, args.runs) for size in sizes] for p in profiles}

    print(f"Machine: {machine()}\n")
    print(f"| profile | input | stations | iob2quorvane | MB/s | I/O floor | ratio | peak RSS | RSS limit |")
    print(f"|---|---|---|---|---|---|---|---|---|")
    for r in results["realistic"] + results["fixed"]:
        r["limit"] = 8 * MB + 100 * r["stations"]
        print(f"| {r['profile']} | {r['mb']:.0f} MB | {r['stations']} | {r['seconds']:.3f} s "
              f"| {r['mb'] / r['seconds']:.0f} | {r['floor']:.3f} s | {r['seconds'] / r['floor']:.1f}x "
              f"| {r['peak'] / MB:.1f} MB | {r['limit'] / MB:.1f} MB |")

    missed = []
    largest = results["realistic"][-1]
    if largest["seconds"] > 4 * largest["floor"]:
        missed.append(f"realistic {largest['mb']:.0f} MB takes {largest['seconds'] / largest['floor']:.1f}x "
                      f"the floor (target 4x)")
    for profile in profiles:
        smallest, largest = results[profile][0], results[profile][-1]
        if len(results[profile]) > 1:
            growth = largest["seconds"] / smallest["seconds"]
            allowed = 12 * largest["mb"] / smallest["mb"] / 10
            print(f"\n{profile}: {largest['mb']:.0f} MB takes {growth:.1f}x the time of {smallest['mb']:.0f} MB "
                  f"(target {allowed:.0f}x)")
            if growth > allowed:
                missed.append(f"{profile}: time grows {growth:.1f}x (target {allowed:.0f}x)")
    for r in results["realistic"] + results["fixed"]:
        if r["peak"] > r["limit"]:
            missed.append(f"{r['profile']} {r['mb']:.0f} MB peaks at {r['peak'] / MB:.1f} MB (limit {r['limit'] / MB:.1f} MB)")
    for line in missed:
        print("MISSED:", line)
    if not missed:
        print("All targets met.")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
