"""The iCalendar file of `quadrix-cli targets --format ics`, read back by a
real iCalendar parser: one all-day event per target, in the JSON's order and
on the JSON's dates, each naming the pivot, under the same UIDs run after
run."""

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
for options in (["--kind", "nine", "--n", "2", "--turns", "2"],
                ["--kind", "wheel", "--price", "30", "--period", "week", "--start-date", "2012-12-28"],
                ["--kind", "four", "--date", "2013-02-01", "--period", "month", "--start-date", "2012-11-30"]):
    run = lambda fmt: subprocess.run([cli, "targets", *options, "--format", fmt],
                                     check=True, capture_output=True).stdout
    rows = json.loads(run("json"))
    assert rows, options
    calendar = icalendar.Calendar.from_ical(run("ics"))
    assert calendar["VERSION"] == "2.0" and "PRODID" in calendar
    events = calendar.walk("VEVENT")
    dates = [event.decoded("DTSTART").isoformat() for event in events]
    assert dates == [row["date"] for row in rows], (options, dates)
    uids = [str(event["UID"]) for event in events]
    assert len(set(uids)) == len(events)
    assert uids == [str(event["UID"]) for event in icalendar.Calendar.from_ical(run("ics")).walk("VEVENT")]
    for event, row in zip(events, rows):
        assert str(event["SUMMARY"]).startswith("编号 %d, " % row["n"]), event["SUMMARY"]
        assert str(event["DESCRIPTION"]).startswith("支点: 编号 "), event["DESCRIPTION"]
        assert event.decoded("DTEND") - event.decoded("DTSTART") == datetime.timedelta(days=1)
print("ok")
