// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// One member of a collection as a multistatus reply describes it. A member
// the server reports gone (sync-collection) has status 404.
struct DavResource {
    QString href;
    int status = 0;
    QByteArray etag;
    QByteArray calendarData;
};

struct DavMultistatus {
    QString syncToken;
    std::vector<DavResource> resources;
};

// What a PROPFIND tells of one resource, for finding the calendars behind
// an address.
struct DavProperties {
    QString href;
    bool calendar = false;
    // Whether the calendar takes events (it names no component set, or one
    // with VEVENT).
    bool events = true;
    QString displayName;
    QString principal;
    QString calendarHome;
};

// The bodies of the REPORTs a sync sends, and the reading of their replies.
namespace davxml {
// RFC 6578: the members changed since `token` (all members when empty).
QByteArray SyncCollection(const QString& token, bool withData = false);
// RFC 4791 calendar-query: every event's ETag, for servers without tokens.
QByteArray EventEtags();
// RFC 4791 calendar-multiget: the data and ETags of the given members.
QByteArray Multiget(const QStringList& hrefs);
// Throws CSyncError when the reply is not a well-formed multistatus.
DavMultistatus ParseMultistatus(const QByteArray& body);
// RFC 4918 PROPFIND of what discovery needs (RFC 5397, RFC 4791 6.2.1).
QByteArray DiscoveryProperties();
// Throws CSyncError when the reply is not a well-formed multistatus.
std::vector<DavProperties> ParseProperties(const QByteArray& body);
}  // namespace davxml
