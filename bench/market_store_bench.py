#!/usr/bin/python3
"""Times the market store on a generated file of one-minute bars, beside
pandas reading the same file (read_csv, then its date and time columns parsed
with their format given), in one run: quadrix-cli import into a new store
(at most 3 times pandas' time) and quadrix-cli bars writing the bars back as
CSV (at most once pandas' time), each the best of three runs, with the peak
memory of the import.
Usage: market_store_bench.py QUADRIX_CLI [BARS]"""

import datetime
import os
import random
import resource
import subprocess
import sys
import tempfile
import time

import pandas

RUNS = 3


def write_bars(count, path):
    """count bars of a seeded random walk, 390 a weekday from 09:30."""
    rng = random.Random(1)
    day, price, lines = datetime.date(2000, 1, 3), 1000.0, ["Date,Time,Open,High,Low,Close,Volume\n"]
    while len(lines) <= count:
        for minute in range(390 if day.weekday() < 5 else 0):
            if len(lines) > count:
                break
            close = max(1.0, price + rng.gauss(0, 0.8))
            lines.append("%s,%02d:%02d,%.2f,%.2f,%.2f,%.2f,%d\n" % (
                day.isoformat(), 9 + (30 + minute) // 60, (30 + minute) % 60, price,
                max(price, close) + rng.random() / 2, min(price, close) - rng.random() / 2, close,
                rng.randint(100, 9999)))
            price = close
        day += datetime.timedelta(days=1)
    with open(path, "w") as out:
        out.writelines(lines)


def best(run):
    """The shortest of RUNS runs of run(), in seconds."""
    times = []
    for _ in range(RUNS):
        start = time.perf_counter()
        run()
        times.append(time.perf_counter() - start)
    return min(times)


def read_with_pandas(path):
    frame = pandas.read_csv(path)
    frame["Time"] = pandas.to_datetime(frame["Date"] + " " + frame["Time"], format="%Y-%m-%d %H:%M")


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    cli = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) == 3 else 1_000_000
    with tempfile.TemporaryDirectory() as folder:
        path, store = os.path.join(folder, "BENCH.csv"), os.path.join(folder, "market.sqlite")

        def import_file():
            for name in os.listdir(folder):
                if name.startswith("market.sqlite"):
                    os.remove(os.path.join(folder, name))
            subprocess.run([cli, "import", path, "--store", store], check=True, stdout=subprocess.DEVNULL)

        def read_back():
            subprocess.run([cli, "bars", "BENCH", "--format", "csv", "--store", store], check=True,
                           stdout=subprocess.DEVNULL)

        write_bars(count, path)
        size_mb = os.path.getsize(path) / 1e6
        imported = best(import_file)
        peak_mib = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
        written = best(read_back)
        theirs = best(lambda: read_with_pandas(path))
    print(f"file: {count} one-minute bars, {size_mb:.1f} MB (best of {RUNS})")
    print(f"{'step':<34}{'seconds':>9}{'x pandas':>10}{'asked':>8}")
    print(f"{'pandas read_csv, dates parsed':<34}{theirs:>9.3f}{1:>10.2f}")
    print(f"{'import into a new store':<34}{imported:>9.3f}{imported / theirs:>10.2f}{'<= 3':>8}"
          f"  peak {peak_mib:.0f} MiB (<= 250)")
    print(f"{'bars read back as CSV':<34}{written:>9.3f}{written / theirs:>10.2f}{'<= 1':>8}")


if __name__ == "__main__":
    main()
