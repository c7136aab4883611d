// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarExport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QIODevice>
#include <cstdlib>

#include "interop/EventWriter.h"
#include "interop/IcsError.h"

namespace {
constexpr const char* kCalendarEnd = "END:VCALENDAR";

// The calendar's opening and closing lines, as libical writes them.
QByteArray CalendarFrame() {
    IcalComponentPtr calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid("-//Plenda//Plenda Desk Calendar//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray frame(text);
    std::free(text);
    return frame;
}

void Write(QIODevice& out, const QByteArray& bytes) {
    if (out.write(bytes) != bytes.size())
        throw CIcsError(
            QCoreApplication::translate("CCalendarTransfer", "The calendar cannot be written: %1")
                .arg(out.errorString()));
}

void WriteEvent(QIODevice& out, icalcomponent* event) {
    char* text = icalcomponent_as_ical_string_r(event);
    const QByteArray bytes(text);
    std::free(text);
    Write(out, bytes);
}
}  // namespace

QString ExportSummary::Text() const {
    QString text =
        QCoreApplication::translate("CCalendarTransfer", "%1 entries exported").arg(written);
    if (leftOut > 0)
        text += QCoreApplication::translate("CCalendarTransfer",
                                            ", %1 left out (their dates fall on no day)")
                    .arg(leftOut);
    return text + QLatin1Char('.');
}

ExportSummary WriteCalendar(const QList<DiaryEntry>& entries, const QString& uidTag,
                            const QDateTime& stamp, QIODevice& out) {
    const QByteArray frame = CalendarFrame();
    const qsizetype end = frame.lastIndexOf(kCalendarEnd);
    Write(out, frame.left(end));
    ExportSummary summary;
    const QString uidStem = QStringLiteral("plenda-%1-").arg(uidTag);
    for (const DiaryEntry& entry : entries) {
        const IcalComponentPtr event =
            EntryToEvent(entry, uidStem + QString::number(entry.id), stamp);
        if (!event) {
            ++summary.leftOut;
            continue;
        }
        WriteEvent(out, event.get());
        ++summary.written;
    }
    Write(out, frame.mid(end));
    return summary;
}

QString DiaryUidTag(const QString& identity) {
    const QByteArray hash =
        QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(hash.left(12));
}
