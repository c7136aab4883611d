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

QString FirstUid(const QByteArray& data) {
    QString uid;
    CIcsReader reader(data, QStringLiteral("the server's event"));
    reader.ForEachEvent([&uid](icalcomponent* event) {
        const char* text = icalcomponent_get_uid(event);
        if (uid.isEmpty() && text)
            uid = QString::fromUtf8(text);
    });
    return uid;
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
    decoded.uid = FirstUid(data);
    for (const DiaryEntry& entry :
         ReadCalendar(data, QStringLiteral("the server's event"), options).entries)
        decoded.entries.push_back(
            {entry.date, entry.message, entry.tune, entry.holiday, entry.time});
    return decoded;
}
