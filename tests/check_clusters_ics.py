"""The iCalendar file of `quadrix-cli clusters --format ics`, read back by a
real iCalendar parser: one all-day event per cluster, in the JSON's order and
on its dates, each summary with the score and the swings, under UIDs that are
distinct and the same run after run."""

import datetime
import json
import os
import random
import subprocess
import sys
import tempfile

try:
    import icalendar
except ImportError:
    print("python3-icalendar is not installed")
    sys.exit(77)

cli = sys.argv[1]
with tempfile.TemporaryDirectory() as folder:
    # A seeded random walk of weekdays through 2023 and 2024.
    prices = os.path.join(folder, "walk.csv")
    rng = random.Random(5)
    day, price = datetime.date(2023, 1, 2), 100.0
    with open(prices, "w") as out:
        out.write("Date,Open,High,Low,Close\n")
        while day.year < 2025:
            if day.weekday() < 5:
                close = max(1.0, price + rng.gauss(0, 1.5))
                out.write("%s,%.2f,%.2f,%.2f,%.2f\n" % (day, price, max(price, close) + rng.random(),
                                                         min(price, close) - rng.random(), close))
                price = close
            day += datetime.timedelta(days=1)
    store = os.path.join(folder, "market.sqlite")
    subprocess.run([cli, "import", prices, "--symbol", "WALK", "--store", store], check=True, capture_output=True)

    run = lambda fmt: subprocess.run([cli, "clusters", "WALK", "--store", store, "--zigzag", "8", "--from",
                                      "2025-01-01", "--to", "2025-06-30", "--format", fmt],
                                     check=True, capture_output=True).stdout
    rows = json.loads(run("json"))
    assert len(rows) > 3, rows
    calendar = icalendar.Calendar.from_ical(run("ics"))
    assert calendar["VERSION"] == "2.0" and "PRODID" in calendar
    events = calendar.walk("VEVENT")
    assert [event.decoded("DTSTART").isoformat() for event in events] == [row["date"] for row in rows]
    uids = [str(event["UID"]) for event in events]
    assert len(set(uids)) == len(events)
    assert uids == [str(event["UID"]) for event in icalendar.Calendar.from_ical(run("ics")).walk("VEVENT")]
    for event, row in zip(events, rows):
        swings = sorted({"%s %s" % (p["swing"], p["kind"]) for p in row["projections"]})
        assert str(event["SUMMARY"]) == "WALK cluster, score %d (%d methods): %s" % (
            row["score"], row["methods"], ", ".join(swings)), event["SUMMARY"]
        assert len(str(event["DESCRIPTION"]).split("\n")) == len(row["projections"])
        assert event.decoded("DTEND") - event.decoded("DTSTART") == datetime.timedelta(days=1)
print("ok")
