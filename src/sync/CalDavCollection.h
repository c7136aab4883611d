// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "sync/DavExchange.h"
#include "sync/DavXml.h"

class CDavTransport;

// The members of the collection that changed: with `complete`, every member
// is listed and one not listed is gone; otherwise gone members have status
// 404. Hrefs are in the collection's one normal form (see Normal).
struct ServerListing {
    QString syncToken;
    bool complete = false;
    // The server cut the listing short: members may be missing from it.
    bool truncated = false;
    std::vector<DavResource> resources;
};

// A write to one member: a PUT of `data` or, with empty data, a DELETE.
// An empty `etag` on a PUT creates the member and never overwrites one.
struct MemberWrite {
    QString href;
    QByteArray data;
    QByteArray etag;
    // The server's text the write replaces, as last read; empty for a new
    // member.
    QByteArray basis = {};
};

// What became of one write.
struct WriteResult {
    enum Outcome { Stored, Changed, Refused, Failed };
    Outcome outcome = Failed;
    int status = 0;
    // The ETag the write left: empty for a DELETE or when the server names
    // none, weak when the server changed what it was sent.
    QByteArray etag;
    // Where the member is now: the server may file it under a name of its own.
    QString href;
};

// One CalDAV calendar collection reached through a transport: the REPORTs
// that list and fetch its members and the conditional writes. Every
// unexpected answer throws CSyncError naming the collection.
class CCalDavCollection {
public:
    explicit CCalDavCollection(CDavTransport& transport);

    // Changes since `syncToken`, or every member when it is empty or the
    // server no longer knows it; servers without tokens are listed by a
    // calendar-query. `withData` asks for the members' text in the same
    // reply (a first pull's one request); a server or a size limit that
    // refuses that gets the listing without it.
    ServerListing List(const QString& syncToken, bool withData = false);
    // The members' data and ETags, in requests of a bounded size.
    std::vector<DavResource> Fetch(const QStringList& hrefs);
    // Sends the writes, a few at a time, and says what became of each: a
    // member changed on the server meanwhile (412), refused (403, 409, 507:
    // a read-only calendar, a full one) or failed otherwise. On a server that
    // ignores If-Match the members are read first, and one whose ETag and
    // content both moved since `basis` counts as changed and is not sent.
    std::vector<WriteResult> Write(const std::vector<MemberWrite>& writes);
    // Throws CSyncError describing a failed write.
    [[noreturn]] void RefuseWrite(const MemberWrite& write, int status) const;

    // The path of the member a new object with this UID is written to.
    QString MemberHref(const QString& uid) const;
    // Whether an href the server named lies inside this collection.
    bool Contains(const QString& href) const;
    // The one form of an href this sync compares and stores: the path
    // resolved against the collection, decoded, then encoded again with
    // everything but unreserved characters and slashes escaped, so that
    // "a@b" and "a%40b" name one member.
    QString Normal(const QString& href) const;

private:
    DavMultistatus Report(const QByteArray& body, const QString& what);
    bool HonoursIfMatch();
    std::vector<bool> ChangedMeanwhile(const std::vector<MemberWrite>& writes);
    DavRequest Request(const MemberWrite& write) const;
    WriteResult Outcome(const MemberWrite& write, const DavReply& reply) const;
    ServerListing FullListing();
    void Normalise(std::vector<DavResource>& resources) const;
    [[noreturn]] void Refuse(int status, const QString& what) const;
    QString Where() const;

    CDavTransport& m_transport;
    // Whether the server keeps to If-Match, once asked: 1 yes, 0 no, -1 not
    // asked yet.
    int m_honoursIfMatch = -1;
};
