// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/InteropCodec.h"

#include <QDateTime>
#include <cstdlib>

#include "interop/CalendarImport.h"
#include "interop/EventWriter.h"
#include "interop/IcsReader.h"

namespace {
QByteArray Text(icalcomponent* component) {
    char* text = icalcomponent_as_ical_string_r(component);
    const QByteArray bytes(text);
    std::free(text);
    return bytes;
}

bool Repeats(icalcomponent* event) {
    return icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY) ||
           icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY) ||
           icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
}

// The first UID and whether any event of the text repeats, in one reading.
void ReadIdentity(const QByteArray& data, DecodedObject& decoded) {
    CIcsReader reader(data, QStringLiteral("the server's event"));
    reader.ForEachEvent([&decoded](icalcomponent* event) {
        const char* text = icalcomponent_get_uid(event);
        if (decoded.uid.isEmpty() && text)
            decoded.uid = QString::fromUtf8(text);
        decoded.series = decoded.series || Repeats(event);
    });
}
}  // namespace

DiaryEntry AsDiaryEntry(const SyncEntry& entry) {
    DiaryEntry written;
    written.date = entry.date;
    written.message = entry.message;
    written.tune = entry.sound;
    written.holiday = entry.holiday;
    written.time = entry.time;
    return written;
}

CInteropCodec::CInteropCodec(QByteArray zoneId, QDate today)
    : m_zoneId(std::move(zoneId)), m_today(today) {}

QByteArray CInteropCodec::Encode(const SyncEntry& entry, const QString& uid) const {
    IcalComponentPtr event =
        EntryToEvent(AsDiaryEntry(entry), uid, QDateTime::currentDateTimeUtc());
    if (!event)
        return {};
    IcalComponentPtr calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid("-//Plenda//Plenda Desk Calendar//EN"));
    icalcomponent_add_component(calendar.get(), event.release());
    return Text(calendar.get());
}

DecodedObject CInteropCodec::Decode(const QByteArray& data) const {
    ImportOptions options;
    options.zoneId = m_zoneId;
    options.today = m_today;
    DecodedObject decoded;
    ReadIdentity(data, decoded);
    for (const DiaryEntry& entry :
         ReadCalendar(data, QStringLiteral("the server's event"), options).entries)
        decoded.entries.push_back(
            {entry.date, entry.message, entry.tune, entry.holiday, entry.time});
    return decoded;
}
