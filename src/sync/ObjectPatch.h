// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <libical/ical.h>
#include <QByteArray>
#include <QDateTime>

#include "interop/IcalHandles.h"
#include "sync/SyncEntry.h"

// A local edit carried into the server's own iCalendar text of an event, so
// that everything the diary entry cannot hold (description, location,
// attendees, other alarms, rules, zones, unknown properties) stays as the
// other program wrote it. Only what the entry holds changes: the summary, the
// start moved in the event's own zone with its end moved alike, the alarm
// this program makes, the holiday category and this program's own
// properties. Each function returns the new text, or nothing when the text
// cannot be read or the change does not fit it; the caller then writes the
// entry as a new event.
class CObjectPatch {
public:
    // `zoneId` is the user's time zone, the one entry times are in.
    CObjectPatch(QByteArray zoneId, QDateTime stamp);

    QByteArray Edit(const QByteArray& text, const SyncEntry& before, const SyncEntry& after) const;
    // One day of a repeating event changed: it becomes an override of that
    // occurrence in the same object.
    QByteArray EditOccurrence(const QByteArray& text, const SyncEntry& before,
                              const SyncEntry& after) const;
    // One day of a repeating event removed: an exception date.
    QByteArray RemoveOccurrence(const QByteArray& text, const SyncEntry& before) const;
    // Whether the text is one event over several days that does not repeat:
    // the diary shows it as one entry a day, all of one event.
    bool IsSpan(const QByteArray& text) const;

private:
    bool Apply(icalcomponent* event, const SyncEntry& before, const SyncEntry& after) const;
    bool MoveStart(icalcomponent* event, const SyncEntry& before, const SyncEntry& after) const;
    void ReplaceWhen(icalcomponent* event, const SyncEntry& after) const;
    bool OccurrenceStart(icalcomponent* master, const SyncEntry& before, icaltimetype& start) const;
    // One day of a span edited: the summary, holiday mark and tune are the
    // whole event's; a new day or time for one day does not fit it.
    QByteArray EditSpanDay(IcalComponentPtr calendar, const SyncEntry& before,
                           const SyncEntry& after) const;
    // One day of an all-day span removed: its first or last day shortens it;
    // another day does not fit it.
    QByteArray RemoveSpanDay(IcalComponentPtr calendar, const SyncEntry& before) const;

    QByteArray m_zoneId;
    QDateTime m_stamp;
};
