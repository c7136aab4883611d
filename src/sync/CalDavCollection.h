// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "sync/DavXml.h"

class CDavTransport;

// The members of the collection that changed: with `complete`, every member
// is listed and one not listed is gone; otherwise gone members have status
// 404.
struct ServerListing {
    QString syncToken;
    bool complete = false;
    std::vector<DavResource> resources;
};

// A write to one member: a PUT of `data` or, with empty data, a DELETE.
// An empty `etag` on a PUT creates the member and never overwrites one.
struct MemberWrite {
    QString href;
    QByteArray data;
    QByteArray etag;
};

// One CalDAV calendar collection reached through a transport: the REPORTs
// that list and fetch its members and the conditional writes. Every
// unexpected answer throws CSyncError naming the collection.
class CCalDavCollection {
public:
    explicit CCalDavCollection(CDavTransport& transport);

    // Changes since `syncToken`, or every member when it is empty or the
    // server no longer knows it; servers without tokens are listed by a
    // calendar-query.
    ServerListing List(const QString& syncToken);
    // The members' data and ETags, in requests of a bounded size.
    std::vector<DavResource> Fetch(const QStringList& hrefs);
    // Sends the writes, a few at a time. Returns the ETag each write left
    // (empty for a DELETE or when the server names none), or nothing for a
    // write whose member changed on the server meanwhile (412). Any other
    // refusal throws.
    std::vector<std::optional<QByteArray>> Write(const std::vector<MemberWrite>& writes);

    // The path of the member a new object with this UID is written to.
    QString MemberHref(const QString& uid) const;
    // Whether an href the server named lies inside this collection.
    bool Contains(const QString& href) const;

private:
    DavMultistatus Report(const QByteArray& body, const QString& what);
    [[noreturn]] void Refuse(int status, const QString& what) const;
    QString Where() const;

    CDavTransport& m_transport;
};
