#!/usr/bin/python3
"""Writes N one-minute bars as a price file (Date,Time,Open,High,Low,Close,
Volume), a seeded random walk over the 390 minutes of each weekday session,
for the import benchmarks. Usage: generate_minute_bars.py N FILE"""

import datetime
import random
import sys

SESSION_MINUTES = 390  # 09:30 to 16:00


def generate(count, path, seed=1):
    rng = random.Random(seed)
    day = datetime.date(2000, 1, 3)
    price = 1000.0
    written = 0
    with open(path, "w", newline="\n") as out:
        out.write("Date,Time,Open,High,Low,Close,Volume\n")
        while written < count:
            if day.weekday() < 5:
                date = day.isoformat()
                lines = []
                for minute in range(min(SESSION_MINUTES, count - written)):
                    start = 9 * 60 + 30 + minute
                    open_ = price
                    close = max(1.0, open_ + rng.gauss(0, 0.8))
                    high = max(open_, close) + rng.random() * 0.5
                    low = min(open_, close) - rng.random() * 0.5
                    lines.append("%s,%02d:%02d,%.2f,%.2f,%.2f,%.2f,%d\n"
                                 % (date, start // 60, start % 60, open_, high, low, close,
                                    rng.randint(100, 9999)))
                    price = close
                out.write("".join(lines))
                written += len(lines)
            day += datetime.timedelta(days=1)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    generate(int(sys.argv[1]), sys.argv[2])
