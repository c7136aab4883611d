#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists the days the all-day repeating events of a small iCalendar file fall
on from FIRST to LAST (YYYY-MM-DD), one line each as "DDMMYYYY 0000 TITLE",
as ics-local-days.py does. For rules of another calendar scale (RSCALE),
which dateutil cannot expand, it asks libical's own recurrence iterator
directly, not Plenda's import; its output is recorded once as the expected
day sets of the import tests. The file is read line by line: one DTSTART
(a date), RRULE and SUMMARY per event, no folded lines.

    /usr/bin/python3 scripts/ics-scale-days.py FILE FIRST LAST
"""
import calendar
import ctypes
import datetime
import sys

MOST = 1000


def expand(rule, start):
    libical = ctypes.CDLL("libical.so.3")
    expand_rule = libical.icalrecur_expand_recurrence
    expand_rule.argtypes = [ctypes.c_char_p, ctypes.c_long, ctypes.c_int,
                            ctypes.POINTER(ctypes.c_long)]
    found = (ctypes.c_long * MOST)()
    if not expand_rule(rule.encode(), calendar.timegm(start.timetuple()), MOST, found):
        sys.exit("libical cannot expand " + rule)
    return [datetime.datetime.utcfromtimestamp(t).date() for t in found if t]


def events(path):
    event = {}
    for line in open(path, encoding="utf-8").read().splitlines():
        name, _, value = line.partition(":")
        if name == "BEGIN" and value == "VEVENT":
            event = {}
        elif name == "END" and value == "VEVENT":
            yield event
        else:
            event[name.split(";")[0]] = value


def main():
    path, first, last = sys.argv[1], *map(datetime.date.fromisoformat, sys.argv[2:4])
    lines = []
    for event in events(path):
        start = datetime.datetime.strptime(event["DTSTART"], "%Y%m%d").date()
        for day in expand(event["RRULE"], start):
            if first <= day <= last:
                lines.append((day, day.strftime("%d%m%Y") + " 0000 " + event["SUMMARY"]))
    for _, line in sorted(lines):
        print(line)


main()
