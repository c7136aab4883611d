// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>
#include <vector>

#include "sync/DavXml.h"

class CDavTransport;

// A calendar that takes events, as discovery found it.
struct FoundCalendar {
    QUrl url;
    // Its display name, or the last segment of its path when it has none.
    QString name;
};

// One line per calendar: its name and address.
QString CalendarListing(const std::vector<FoundCalendar>& found);

// Finds the calendars behind whatever address the user typed: a calendar
// itself, a calendar home, a principal or the server's root. Asks with
// PROPFIND for the current user's principal, its calendar home and the
// collections there whose resource type is a calendar taking events.
class CCalendarDiscovery {
public:
    explicit CCalendarDiscovery(CDavTransport& transport);

    // Throws CSyncError when the server cannot be asked or answers nothing
    // usable.
    std::vector<FoundCalendar> Calendars();
    // The one calendar to sync with: the only one, or the one whose name or
    // last path segment is `name`. Throws CCalendarChoiceError listing them
    // when that is not one, CSyncError when there is none.
    FoundCalendar Choose(const std::vector<FoundCalendar>& found, const QString& name) const;

private:
    std::vector<DavProperties> Find(const QUrl& url, const QByteArray& depth);
    std::vector<FoundCalendar> CalendarsIn(const QUrl& home);
    QString Where() const;

    CDavTransport& m_transport;
};
