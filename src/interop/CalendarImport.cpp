// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarImport.h"

#include <QCoreApplication>
#include <QSet>

#include "interop/EntryTable.h"
#include "interop/EventReader.h"
#include "interop/IcsError.h"
#include "interop/IcsReader.h"

namespace {
constexpr int kYearsBack = 1;
constexpr int kYearsAhead = 3;
// Far beyond any real calendar, well within memory.
constexpr qsizetype kMostEntries = 1000000;

EventReadContext ContextFor(const ImportOptions& options) {
    EventReadContext context;
    if (!options.zoneId.isEmpty())
        context.localZone = icaltimezone_get_builtin_timezone(options.zoneId.constData());
    context.windowFirst = options.today.addYears(-kYearsBack);
    context.windowLast = options.today.addYears(kYearsAhead);
    return context;
}

QString NormalTime(const QString& time) {
    return time.isEmpty() || time == QLatin1String("    ") ? QStringLiteral("0000") : time;
}

QString EntryKey(const DiaryEntry& entry) {
    return entry.date + QChar(0x1f) + NormalTime(entry.time) + QChar(0x1f) + entry.message;
}

void CollectReplacedDays(CIcsReader& reader, EventReadContext& context) {
    reader.ForEachEvent(
        [&](icalcomponent* event) {
            const QDate day = ReplacedDay(event, context);
            const char* uid = icalcomponent_get_uid(event);
            if (day.isValid() && uid)
                context.replacedDays[QString::fromUtf8(uid)].insert(day);
        },
        QByteArrayLiteral("RECURRENCE-ID"));
}

CIcsError TooMany(const QString& fileName, const QString& what, qsizetype limit) {
    return CIcsError(QCoreApplication::translate(
                         "CCalendarTransfer",
                         "%1: %2 would add more than %3 entries to the diary; nothing was imported")
                         .arg(fileName, what)
                         .arg(limit));
}

void Count(ImportPlan& plan, const EventEntries& read, bool holiday, const QString& fileName) {
    if (read.kind == EventKind::TooMany)
        throw TooMany(fileName,
                      QCoreApplication::translate("CCalendarTransfer", "the event \"%1\"")
                          .arg(read.skipReason),
                      kMostEntriesOfOneEvent);
    if (plan.entries.size() + read.entries.size() > kMostEntries)
        throw TooMany(fileName, QCoreApplication::translate("CCalendarTransfer", "the file"),
                      kMostEntries);
    if (read.kind == EventKind::Skipped) {
        ++plan.summary.skipped[read.skipReason];
        return;
    }
    if (read.kind == EventKind::Expanded)
        ++plan.summary.expanded;
    if (read.kind == EventKind::Patterns)
        ++plan.summary.endless;
    if (read.unkeptText)
        ++plan.summary.unkeptText;
    for (DiaryEntry entry : read.entries) {
        entry.holiday = entry.holiday || holiday;
        plan.entries.append(entry);
    }
}
}  // namespace

int ImportSummary::SkippedCount() const {
    int total = 0;
    for (const int n : skipped) total += n;
    return total;
}

QString ImportSummary::Text() const {
    QString text = QCoreApplication::translate("CCalendarTransfer",
                                               "%1 added, %2 already present, %3 expanded")
                       .arg(added)
                       .arg(present)
                       .arg(expanded);
    if (expanded > 0)
        text += QCoreApplication::translate("CCalendarTransfer",
                                            " (repeating events listed day by day from %1 to %2)")
                    .arg(windowFirst.toString(Qt::ISODate), windowLast.toString(Qt::ISODate));
    if (endless > 0)
        text += QCoreApplication::translate("CCalendarTransfer",
                                            ", %1 endless (date patterns from the first day on)")
                    .arg(endless);
    text += QCoreApplication::translate("CCalendarTransfer", ", %1 skipped").arg(SkippedCount());
    QStringList reasons;
    for (auto it = skipped.cbegin(); it != skipped.cend(); ++it)
        reasons.append(QStringLiteral("%1 %2").arg(it.value()).arg(it.key()));
    if (!reasons.isEmpty())
        text += QStringLiteral(" (") + reasons.join(QStringLiteral("; ")) + QLatin1Char(')');
    if (unkeptText > 0)
        text += QCoreApplication::translate("CCalendarTransfer",
                                            "; %1 with a location or description not kept")
                    .arg(unkeptText);
    return text + QLatin1Char('.');
}

ImportPlan ReadCalendar(const QByteArray& text, const QString& fileName,
                        const ImportOptions& options) {
    CIcsReader reader(text, fileName);
    EventReadContext context = ContextFor(options);
    CollectReplacedDays(reader, context);
    ImportPlan plan;
    plan.summary.windowFirst = context.windowFirst;
    plan.summary.windowLast = context.windowLast;
    if (reader.OtherCount() > 0)
        plan.summary.skipped[QCoreApplication::translate("CCalendarTransfer", "not events")] =
            reader.OtherCount();
    reader.ForEachEvent([&](icalcomponent* event) {
        ++plan.summary.events;
        Count(plan, ReadEvent(event, context), options.holiday, fileName);
    });
    return plan;
}

ImportSummary AddNewEntries(const ImportPlan& plan, CDiaryDatabase& diary) {
    ImportSummary summary = plan.summary;
    CEntryTable table(diary);
    QSet<QString> present;
    for (const DiaryEntry& entry : table.ReadAll()) present.insert(EntryKey(entry));
    // An entry the file gives twice is added once and is not "already present".
    QSet<QString> planned;
    QList<DiaryEntry> fresh;
    for (const DiaryEntry& entry : plan.entries) {
        const QString key = EntryKey(entry);
        if (planned.contains(key))
            continue;
        planned.insert(key);
        if (present.contains(key))
            ++summary.present;
        else
            fresh.append(entry);
    }
    table.AddAll(fresh);
    summary.added = static_cast<int>(fresh.size());
    return summary;
}

ImportSummary ImportCalendar(const QByteArray& text, const QString& fileName,
                             const ImportOptions& options, CDiaryDatabase& diary) {
    return AddNewEntries(ReadCalendar(text, fileName, options), diary);
}
