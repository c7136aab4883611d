// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class CDiaryRecordset;
class IClock;
struct DiaryRowView;

inline constexpr int kDayMarkCount = 367;
inline constexpr int kAlarmCapacity = 500;

// Day marks: which kinds of entry a day of the shown year carries.
enum DayMark { kNoEntry = 0, kOrdinaryEntry = 1, kHolidayEntry = 2, kBothEntries = 3 };

// One of today's timed entries: minutes since midnight (0 empty or spent) and its message.
struct AlarmSlot {
    int minutes = 0;
    QString message;
};

// The per-day marks of the shown month or year, built by one read of the
// whole diary table, and the list of today's alarms gathered on the way.
class CMonthIndex {
public:
    CMonthIndex() = default;

    // Rebuilds the marks for the month on show (31 days from its 1st) or the
    // whole year, and gathers today's timed entries. `set` may be null or not
    // open: then there are no records. Database errors pass out.
    void LoadMonthIndex(CDiaryRecordset* set, int shownMonth, int shownYear, bool yearView,
                        const IClock& clock);
    // Whether the marks were built from the diary as `set` finds it now; a
    // commit by another connection since the load makes them stale. A set
    // that is null or not open has nothing newer to offer.
    bool IsCurrentFor(const CDiaryRecordset* set) const;
    // Gathers today's timed entries alone (after the date of today changed).
    void GatherTodaysAlarms(CDiaryRecordset* set, const IClock& clock);

    // The mark of a day of year; 0 outside 1..366.
    int Mark(int dayOfYear) const;
    int IndexYear() const { return m_indexYear; }
    bool IsReady() const { return m_ready; }
    void SetReady(bool ready) { m_ready = ready; }

    // The mark of a day that gains an entry of the given kind.
    static int MarkDay(int oldMark, bool isHoliday);
    // Appends an alarm when `date` is today's key and `time` is not four blanks,
    // unless the list already holds (or has shown) the same time and message
    // today, or is full.
    void GatherAlarm(const QString& date, const QString& time, const QString& message,
                     const QString& todayKey);
    // Empties the alarm list when it was gathered on another day than `todayKey`.
    void ForgetAlarmsOfOtherDays(const QString& todayKey);
    // The key of the day the alarm list was gathered on; empty before any.
    const QString& AlarmDayKey() const { return m_alarmDayKey; }

    int AlarmsUsed() const { return m_alarmsUsed; }
    int LastFilledSlot() const { return m_lastFilledSlot; }
    const AlarmSlot& Alarm(int slot) const;
    // Empties a slot once its alarm has been shown; it is not gathered again today.
    void SpendAlarm(int slot);

private:
    struct Range {
        int first = 0;
        int last = 0;
    };
    // An eight-character pattern falls on a key when each character is '*' or
    // the key's own (the same as filling the '*' from the key and comparing):
    // for a key packed one character to a byte, when key & mask == value.
    struct PackedPattern {
        std::uint64_t mask = 0;
        std::uint64_t value = 0;
        bool FallsOn(std::uint64_t key) const { return (key & mask) == value; }
    };
    // The days of the range whose keys name one month, packed as in a key.
    struct MonthSpan {
        std::uint64_t month = 0;
        int first = 0;
        int last = 0;
    };
    struct Today {
        explicit Today(const QString& todayKey);
        QString key;
        std::uint64_t packed = 0;
    };
    void ClearMarks();
    void IndexEntry(const DiaryRowView& row, const Range& range, const Today& today);
    void MarkPlainEntry(QStringView date, bool isHoliday);
    void MarkWildcardEntry(QStringView date, const Range& range, bool isHoliday);
    void MarkDaysOf(const PackedPattern& pattern, int first, int last, bool isHoliday);
    static std::optional<PackedPattern> PackedPatternOf(QStringView pattern);
    void GatherEntryAlarm(QStringView date, const DiaryRowView& row, const Today& today);
    void PrepareRangeKeys(const Range& range, int shownYear);
    bool HoldsAlarm(int minutes, const QString& message) const;

    std::array<int, kDayMarkCount> m_marks{};
    int m_indexYear = 0;
    bool m_ready = false;
    QString m_yearText;
    // The keys DDMMYYYY of the days of the range being loaded, by day of year,
    // packed one character to a byte.
    std::array<std::uint64_t, kDayMarkCount> m_rangeKeys{};
    std::vector<MonthSpan> m_monthSpans;
    // SQLite's data version when the marks were built; none before a load.
    static constexpr qint64 kNoDiaryVersion = -1;
    qint64 m_diaryVersion = kNoDiaryVersion;

    std::array<AlarmSlot, kAlarmCapacity> m_alarms{};
    int m_alarmsUsed = 0;
    int m_lastFilledSlot = 0;
    QString m_alarmDayKey;
    QSet<QString> m_spentAlarms;
};
