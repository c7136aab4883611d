#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists the days the events of an iCalendar file fall on, one line each
("YYYY-MM-DD HH:MM SUMMARY", HH:MM "--:--" for an all-day event), for the
years FIRST to LAST. It reads the file with Python's icalendar module and
expands recurrences with dateutil's rrule, an implementation independent of
the libical that Plenda uses, so its output checks what `plenda export`
wrote against `plenda list`.

    /usr/bin/python3 scripts/ics-days.py FILE FIRST LAST
"""
import datetime
import sys

from dateutil import rrule
from icalendar import Calendar


def as_datetime(value):
    if isinstance(value, datetime.datetime):
        return value.replace(tzinfo=None)
    return datetime.datetime(value.year, value.month, value.day)


def occurrences(event, first, last):
    start = event.decoded("DTSTART")
    timed = isinstance(start, datetime.datetime)
    begin = as_datetime(start)
    rules = rrule.rruleset()
    rules.rdate(begin)
    for rule in event.get("RRULE") and [event.get("RRULE")] or []:
        text = rule.to_ical().decode()
        rules.rrule(rrule.rrulestr(text, dtstart=begin, ignoretz=True))
    extra = event.get("RDATE") or []
    for group in extra if isinstance(extra, list) else [extra]:
        for when in group.dts:
            rules.rdate(as_datetime(when.dt))
    window = (datetime.datetime(first, 1, 1), datetime.datetime(last, 12, 31, 23, 59))
    for when in rules.between(*window, inc=True):
        yield when, timed


def main():
    path, first, last = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    with open(path, "rb") as file:
        calendar = Calendar.from_ical(file.read())
    lines = []
    for event in calendar.walk("VEVENT"):
        summary = str(event.get("SUMMARY", ""))
        for when, timed in occurrences(event, first, last):
            shown = when.strftime("%H:%M") if timed else "--:--"
            lines.append(f"{when:%Y-%m-%d} {shown} {summary}")
    print("\n".join(sorted(lines)))


if __name__ == "__main__":
    main()
