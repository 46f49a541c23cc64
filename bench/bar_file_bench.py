#!/usr/bin/python3
"""Reads a generated file of one-minute bars with the bar file reader and
with pandas (read_csv, then the date and time columns parsed with their
format given, pandas' fastest way), in one run, and prints both times and
their ratio: the reader should take at most half of pandas' time.
Usage: bar_file_bench.py TIMING_PROGRAM [BARS]"""

import os
import subprocess
import sys
import tempfile
import time

import pandas

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generate_minute_bars import generate  # noqa: E402

RUNS = 3


def pandas_seconds(path):
    best = None
    for _ in range(RUNS):
        start = time.perf_counter()
        frame = pandas.read_csv(path)
        frame["Time"] = pandas.to_datetime(frame["Date"] + " " + frame["Time"], format="%Y-%m-%d %H:%M")
        took = time.perf_counter() - start
        best = took if best is None else min(best, took)
    return best, len(frame)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    count = int(sys.argv[2]) if len(sys.argv) == 3 else 1_000_000
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "bars.csv")
        generate(count, path)
        size_mb = os.path.getsize(path) / 1e6
        reader = subprocess.run([sys.argv[1], path, str(RUNS)], check=True, capture_output=True, text=True)
        seconds, bars, peak_mib = reader.stdout.split()
        theirs, rows = pandas_seconds(path)
    ours = float(seconds)
    print(f"file: {count} one-minute bars, {size_mb:.1f} MB (best of {RUNS})")
    print(f"{'reader':<24}{'seconds':>10}{'rows':>10}")
    print(f"{'quadrix bar file reader':<24}{ours:>10.3f}{bars:>10}  peak {peak_mib} MiB")
    print(f"{'pandas read_csv':<24}{theirs:>10.3f}{rows:>10}")
    print(f"ratio: {ours / theirs:.2f} of pandas' time (at most 0.5 asked)")


if __name__ == "__main__":
    main()
