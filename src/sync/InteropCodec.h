// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>

#include "interop/DiaryEntry.h"
#include "sync/EventCodec.h"

// The diary entry the calendar writer takes for what an entry sends.
DiaryEntry AsDiaryEntry(const SyncEntry& entry);

// Entries as the iCalendar export writes them and as the import reads them
// back, one object per entry. Times of other zones come in as the user's
// local time; repeating events no date pattern expresses are expanded around
// `today`.
class CInteropCodec : public IEventCodec {
public:
    CInteropCodec(QByteArray zoneId, QDate today);

    QByteArray Encode(const SyncEntry& entry, const QString& uid) const override;
    DecodedObject Decode(const QByteArray& data) const override;

private:
    QByteArray m_zoneId;
    QDate m_today;
};
