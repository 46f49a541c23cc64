"""The iCalendar file of `quadrix-cli events --format ics`, read back by a
real iCalendar parser: one timed event in UTC per event of the JSON, in its
order and at its moment, with an English summary, under UIDs that are
unique and the same run after run."""

import datetime
import json
import subprocess
import sys

try:
    import icalendar
except ImportError:
    print("python3-icalendar is not installed")
    sys.exit(77)

cli = sys.argv[1]
options = ["--from", "2024-01-01", "--to", "2024-12-31", "--zone", "Asia/Shanghai", "--moon",
           "--aspects", "0,90,180,150"]
run = lambda fmt: subprocess.run([cli, "events", *options, "--format", fmt],
                                 check=True, capture_output=True).stdout
rows = json.loads(run("json"))
assert len(rows) > 100, len(rows)
calendar = icalendar.Calendar.from_ical(run("ics"))
assert calendar["VERSION"] == "2.0" and "PRODID" in calendar
events = calendar.walk("VEVENT")
assert len(events) == len(rows), (len(events), len(rows))
for event, row in zip(events, rows):
    start = event.decoded("DTSTART")
    assert start.utcoffset() == datetime.timedelta(0), start
    assert start.strftime("%Y-%m-%dT%H:%M:%SZ") == row["time"], (start, row)
    summary = str(event["SUMMARY"])
    assert summary.startswith(row["body"].capitalize() + " "), summary
    if row["kind"] == "aspect" and row["applying"] is not None:
        assert summary.endswith(", applying" if row["applying"] else ", separating"), summary
    assert row["local"] in str(event["DESCRIPTION"])
uids = [str(event["UID"]) for event in events]
assert len(set(uids)) == len(events)
assert uids == [str(event["UID"]) for event in icalendar.Calendar.from_ical(run("ics")).walk("VEVENT")]
print("ok")
