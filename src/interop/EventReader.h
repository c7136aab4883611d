// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <libical/ical.h>

#include "interop/DiaryEntry.h"

struct EventReadContext {
    // The user's zone: times in other zones are converted to it. Null keeps
    // every time as written.
    icaltimezone* localZone = nullptr;
    // A rule that is no date pattern gives dated entries on these days.
    QDate windowFirst;
    QDate windowLast;
    // By UID, the local days of occurrences that an event of their own replaces.
    QHash<QString, QSet<QDate>> replacedDays;
};

// The most entries one event may give; more is a mistake or an attack.
inline constexpr qsizetype kMostEntriesOfOneEvent = 100000;

// TooMany: the event would give more entries than one import takes; its
// title is in skipReason.
// Patterns: an endless rule, as date patterns that begin on its first day.
enum class EventKind { Dated, Pattern, Patterns, Expanded, Skipped, TooMany };

struct EventEntries {
    EventKind kind = EventKind::Skipped;
    QList<DiaryEntry> entries;
    // Why a skipped event was skipped, in words that finish "skipped: ...".
    QString skipReason;
    // The event has a location or description that no entry keeps.
    bool unkeptText = false;
};

// One VEVENT as diary entries: a one-day event one entry; a timed start the
// alarm time in local time; each day of a several-day event an entry; a rule
// that a date pattern gives exactly (or the pattern this program wrote) one
// pattern entry; any other rule dated entries within the window.
EventEntries ReadEvent(icalcomponent* event, const EventReadContext& context);

// The local day of the occurrence an event with a RECURRENCE-ID replaces;
// null for any other event.
QDate ReplacedDay(icalcomponent* event, const EventReadContext& context);
