// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "sync/SyncEntry.h"

// A calendar object read back: its UID and the entries it stands for (more
// than one for a repeating event no wildcard date expresses, or for an event
// over several days).
struct DecodedObject {
    QString uid;
    std::vector<SyncEntry> entries;
    // The text repeats or holds a moved occurrence: each entry is one day of
    // a series, even when only one day is left.
    bool series = false;
};

// How entries are written as calendar objects and read back; the same
// conversion the iCalendar import and export use.
class IEventCodec {
public:
    virtual ~IEventCodec() = default;
    virtual QByteArray Encode(const SyncEntry& entry, const QString& uid) const = 0;
    // Throws CPlendaError (with the reason) for an object it cannot read.
    virtual DecodedObject Decode(const QByteArray& data) const = 0;
};
