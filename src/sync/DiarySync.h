// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QUrl>

#include "sync/CalendarDiscovery.h"
#include "sync/DavTransport.h"
#include "sync/SyncReconciler.h"

// One sync of a diary file with the calendar behind the account's address,
// as the command and the window run it. The calendar is found once (see
// CCalendarDiscovery; `calendarName` chooses among several) and kept with
// the diary's synchronisation state. Throws CSyncError or CDatabaseError
// with a message for the user; what was recorded before then stays, and the
// next sync goes on from there. `today` centres the window over which
// repeating events are listed day by day.
SyncCounts SynchroniseDiary(const QString& diaryPath, const DavAccount& account, QDate today,
                            int* requests = nullptr, const QString& calendarName = QString());

// The calendars behind the account's address, one line each. Throws
// CSyncError.
QString ListCalendars(const DavAccount& account);
// The same calendars, for a list to choose from. Throws CSyncError.
std::vector<FoundCalendar> FindCalendars(const DavAccount& account);

// The report of a sync: one line per direction and one for conflicts, and
// one per write the server refused.
QString SyncReport(const SyncCounts& counts);

// The collection URL the user typed, made usable: HTTPS when no scheme is
// given, a closing slash. Empty with `error` set when it is no http or https
// URL with a host.
QUrl CollectionUrl(const QString& typed, QString* error);
