// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/MonthIndex.h"

#include <QDate>

#include "calendar/CalendarDates.h"
#include "calendar/DateLib.h"
#include "calendar/MonthText.h"
#include "diary/DiaryRecordset.h"
#include "platform/Clock.h"
#include "settings/DecimalText.h"

namespace {
constexpr int kKeyLength = 8;
constexpr int kMonthRangeDays = 31;
constexpr int kLastDayOfYear = 366;

QString TodayKey(const IClock& clock) {
    const QDate today = clock.Now().date();
    return DateKey(today.day(), today.month(), today.year());
}

bool IsWildcard(const QString& date) {
    if (date.size() < kKeyLength)
        return false;
    for (int i = 0; i < kKeyLength; ++i) {
        if (date[i] == QLatin1Char('*'))
            return true;
    }
    return false;
}

// An eight-character pattern falls on a key when each character is '*' or
// the key's own; the same as filling the '*' from the key and comparing.
bool PatternFallsOn(const QString& pattern, const char* key) {
    const QChar* chars = pattern.constData();
    for (int i = 0; i < kKeyLength; ++i) {
        const char16_t c = chars[i].unicode();
        if (c != u'*' && c != static_cast<char16_t>(static_cast<unsigned char>(key[i])))
            return false;
    }
    return true;
}

QString SpentAlarmKey(int minutes, const QString& message) {
    return QString::number(minutes) + QLatin1Char('|') + message;
}
}  // namespace

void CMonthIndex::LoadMonthIndex(CDiaryRecordset* set, int shownMonth, int shownYear, bool yearView,
                                 const IClock& clock) {
    m_ready = false;
    m_indexYear = shownYear;
    ClearMarks();
    Range range{1, kLastDayOfYear};
    if (!yearView) {
        const int first = DayOfYear(shownMonth, 1, shownYear);
        // A year the date library cannot express has no days to mark.
        range = first > 0 ? Range{first, first + kMonthRangeDays - 1} : Range{1, 0};
    }
    PrepareRangeKeys(range, shownYear);
    const QString todayKey = TodayKey(clock);
    ForgetAlarmsOfOtherDays(todayKey);
    if (set && set->IsOpen()) {
        set->Requery();
        if (!(set->IsEOF() && set->IsBOF()))
            IndexRecords(*set, range, todayKey);
    }
    m_ready = true;
}

void CMonthIndex::GatherTodaysAlarms(CDiaryRecordset* set, const IClock& clock) {
    const QString todayKey = TodayKey(clock);
    ForgetAlarmsOfOtherDays(todayKey);
    if (!set || !set->IsOpen())
        return;
    set->Requery();
    if (set->IsEOF() && set->IsBOF())
        return;
    set->MoveLast();
    set->MoveFirst();
    const int count = set->GetRecordCount();
    for (int i = 0; i < count; ++i) {
        GatherEntryAlarm(*set, todayKey);
        set->MoveNext();
    }
}

void CMonthIndex::ClearMarks() {
    m_marks.fill(kNoEntry);
}

void CMonthIndex::PrepareRangeKeys(const Range& range, int shownYear) {
    m_yearText = QString::number(shownYear);
    for (int d = range.first; d <= range.last; ++d) {
        int day = 0;
        int month = 0;
        int year = 0;
        DayOfYearToDate(d, shownYear, day, month, year);
        const QByteArray key = DateKey(day, month, year).toLatin1();
        auto& slot = m_rangeKeys[static_cast<std::size_t>(d)];
        slot.fill(' ');
        for (int i = 0; i < kKeyLength && i < key.size(); ++i)
            slot[static_cast<std::size_t>(i)] = key[i];
    }
}

void CMonthIndex::IndexRecords(CDiaryRecordset& set, const Range& range, const QString& todayKey) {
    // Moving to the last record first makes the count exact.
    set.MoveLast();
    set.MoveFirst();
    const int count = set.GetRecordCount();
    for (int i = 0; i < count; ++i) {
        IndexEntry(set, range, todayKey);
        set.MoveNext();
    }
}

void CMonthIndex::IndexEntry(const CDiaryRecordset& set, const Range& range,
                             const QString& todayKey) {
    if (IsWildcard(set.m_EventDate))
        MarkWildcardEntry(set.m_EventDate, range, set.m_PubHoliday);
    else
        MarkPlainEntry(set.m_EventDate, set.m_PubHoliday);
    GatherEntryAlarm(set, todayKey);
}

// A plain entry marks its day wherever it lies in the shown year; a day or
// month out of range marks nothing rather than a day that does not exist.
void CMonthIndex::MarkPlainEntry(const QString& date, bool isHoliday) {
    if (date.size() != kKeyLength || QStringView(date).mid(4, 4) != m_yearText)
        return;
    const QStringView text(date);
    const int day = ParseDecimal(text.mid(0, 2));
    const int month = ParseDecimal(text.mid(2, 2));
    const int year = ParseDecimal(text.mid(4, 4));
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return;
    const int d = DayOfYear(month, day, year);
    if (d < 1 || d > kLastDayOfYear)
        return;
    m_marks[static_cast<std::size_t>(d)] = MarkDay(m_marks[static_cast<std::size_t>(d)], isHoliday);
}

void CMonthIndex::MarkWildcardEntry(const QString& date, const Range& range, bool isHoliday) {
    // Longer patterns never equal a key once filled.
    if (date.size() != kKeyLength)
        return;
    for (int d = range.first; d <= range.last; ++d) {
        auto& mark = m_marks[static_cast<std::size_t>(d)];
        if (PatternFallsOn(date, m_rangeKeys[static_cast<std::size_t>(d)].data()))
            mark = MarkDay(mark, isHoliday);
    }
}

// A recurring entry that falls on today is today's appointment whichever
// month is on show.
void CMonthIndex::GatherEntryAlarm(const CDiaryRecordset& set, const QString& todayKey) {
    const QString& date = set.m_EventDate;
    if (date.size() != kKeyLength)
        return;
    if (IsWildcard(date)) {
        const QByteArray today = todayKey.toLatin1();
        if (today.size() == kKeyLength && PatternFallsOn(date, today.constData()))
            GatherAlarm(todayKey, set.m_EventTime, set.m_EventDescription, todayKey);
        return;
    }
    GatherAlarm(date, set.m_EventTime, set.m_EventDescription, todayKey);
}

int CMonthIndex::Mark(int dayOfYear) const {
    if (dayOfYear < 1 || dayOfYear > kLastDayOfYear)
        return kNoEntry;
    return m_marks[static_cast<std::size_t>(dayOfYear)];
}

int CMonthIndex::MarkDay(int oldMark, bool isHoliday) {
    return (oldMark | (isHoliday ? kHolidayEntry : kOrdinaryEntry)) & kBothEntries;
}

void CMonthIndex::GatherAlarm(const QString& date, const QString& time, const QString& message,
                              const QString& todayKey) {
    if (date != todayKey || time == QLatin1String("    "))
        return;
    ForgetAlarmsOfOtherDays(todayKey);
    if (m_alarmsUsed >= kAlarmCapacity)
        return;
    const QStringView text(time);
    const int minutes = ParseDecimal(text.left(2)) * 60 + ParseDecimal(text.right(2));
    if (HoldsAlarm(minutes, message))
        return;
    m_alarms[static_cast<std::size_t>(m_alarmsUsed)] = AlarmSlot{minutes, message};
    m_lastFilledSlot = m_alarmsUsed;
    ++m_alarmsUsed;
}

bool CMonthIndex::HoldsAlarm(int minutes, const QString& message) const {
    for (int i = 0; i < m_alarmsUsed; ++i) {
        const AlarmSlot& slot = m_alarms[static_cast<std::size_t>(i)];
        if (slot.minutes == minutes && slot.message == message)
            return true;
    }
    return m_spentAlarms.contains(SpentAlarmKey(minutes, message));
}

void CMonthIndex::ForgetAlarmsOfOtherDays(const QString& todayKey) {
    if (m_alarmDayKey == todayKey)
        return;
    m_alarmDayKey = todayKey;
    m_alarms.fill(AlarmSlot{});
    m_alarmsUsed = 0;
    m_lastFilledSlot = 0;
    m_spentAlarms.clear();
}

const AlarmSlot& CMonthIndex::Alarm(int slot) const {
    static const AlarmSlot kEmpty;
    if (slot < 0 || slot >= kAlarmCapacity)
        return kEmpty;
    return m_alarms[static_cast<std::size_t>(slot)];
}

void CMonthIndex::SpendAlarm(int slot) {
    if (slot < 0 || slot >= kAlarmCapacity)
        return;
    AlarmSlot& alarm = m_alarms[static_cast<std::size_t>(slot)];
    if (alarm.minutes != 0)
        m_spentAlarms.insert(SpentAlarmKey(alarm.minutes, alarm.message));
    alarm = AlarmSlot{};
}
