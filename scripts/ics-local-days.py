#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists the local days an iCalendar file's events cover in time zone ZONE,
one line each, as "DDMMYYYY HHMM TITLE": the day an occurrence starts with
its local start time (0000 for an all-day event), every further day it
covers with 0000. Repeating events are listed from FIRST to LAST
(YYYY-MM-DD); one-off events wherever they fall. It reads the file with
Python's icalendar module, expands rules with dateutil and converts times
with zoneinfo, independently of the libical that Plenda uses; its output is
recorded once as the expected day sets of the import tests.

    /usr/bin/python3 scripts/ics-local-days.py FILE ZONE FIRST LAST
"""
import datetime
import sys
from zoneinfo import ZoneInfo

from dateutil import rrule
from icalendar import Calendar

DAY = datetime.timedelta(days=1)


def values(event, name):
    found = event.get(name) or []
    groups = found if isinstance(found, list) else [found]
    return [when.dt for group in groups for when in group.dts]


def local(when, zone):
    """A time in ZONE when it names a zone of its own; a date or a floating
    time stays as written."""
    if isinstance(when, datetime.datetime) and when.tzinfo is not None:
        return when.astimezone(zone).replace(tzinfo=None)
    return when


def starts(event):
    start = event.decoded("DTSTART")
    rules = rrule.rruleset()
    if event.get("RRULE"):
        text = event.get("RRULE").to_ical().decode()
        if isinstance(start, datetime.datetime) and start.tzinfo is not None:
            # The rule steps in the wall time of the start's own zone.
            naive = start.replace(tzinfo=None)
            for when in rrule.rrulestr(text, dtstart=naive, ignoretz=True, forceset=True):
                if when.year > 2031:
                    break
                yield naive_in(when, start.tzinfo)
        else:
            begin = start if isinstance(start, datetime.datetime) else \
                datetime.datetime(start.year, start.month, start.day)
            for when in rrule.rrulestr(text, dtstart=begin, ignoretz=True, forceset=True):
                if when.year > 2031:
                    break
                yield when if isinstance(start, datetime.datetime) else when.date()
    else:
        yield start
    for when in values(event, "RDATE"):
        yield when


def naive_in(when, zone):
    if hasattr(zone, "localize"):
        return zone.localize(when)
    return when.replace(tzinfo=zone)


def length(event, start):
    if event.get("DTEND"):
        return event.decoded("DTEND") - start
    if event.get("DURATION"):
        return event.decoded("DURATION")
    return datetime.timedelta(0)


def covered(when, span, zone):
    """(local day, HHMM) for the start and each further day it covers."""
    if not isinstance(when, datetime.datetime):
        days = max(1, span.days)
        return [(when, "0000")] + [(when + k * DAY, "0000") for k in range(1, days)]
    first = local(when, zone)
    end = local(when + span, zone)
    last = end.date()
    if end.time() == datetime.time(0) and last > first.date():
        last -= DAY
    # The diary's 0000 means "no time": midnight is written 2400 on its own day.
    lines = [(first.date(), first.strftime("%H%M").replace("0000", "2400"))]
    day = first.date() + DAY
    while day <= last:
        lines.append((day, "0000"))
        day += DAY
    return lines


def day_key(day):
    return day.strftime("%d%m%Y")


def main():
    path, zone = sys.argv[1], ZoneInfo(sys.argv[2])
    first, last = (datetime.date.fromisoformat(a) for a in sys.argv[3:5])
    with open(path, "rb") as file:
        calendar = Calendar.from_ical(file.read())
    events = list(calendar.walk("VEVENT"))
    moved = {}
    for event in events:
        if event.get("RECURRENCE-ID"):
            day = local(event.decoded("RECURRENCE-ID"), zone)
            moved.setdefault(str(event.get("UID")), set()).add(
                day.date() if isinstance(day, datetime.datetime) else day)
    lines = set()
    for event in events:
        title = str(event.get("SUMMARY", ""))
        if not title.strip():
            continue
        start = event.decoded("DTSTART")
        repeating = bool(event.get("RRULE") or event.get("RDATE"))
        gone = moved.get(str(event.get("UID")), set()) if repeating else set()
        excepted = [local(when, zone) for when in values(event, "EXDATE")]
        span = length(event, start)
        for when in starts(event):
            own = span
            if isinstance(when, tuple):
                # A period gives the occurrence its own end or length.
                when, end = when
                own = end if isinstance(end, datetime.timedelta) else end - when
            at = local(when, zone)
            day = at.date() if isinstance(at, datetime.datetime) else at
            if day in gone or at in excepted:
                continue
            for covered_day, time in covered(when, own, zone):
                if not repeating or first <= covered_day <= last:
                    lines.add(f"{day_key(covered_day)} {time} {title}")
    print("\n".join(sorted(lines, key=lambda l: (l[4:8], l[2:4], l[0:2], l[9:]))))


if __name__ == "__main__":
    main()
