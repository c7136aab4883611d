// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class CDiaryRecordset;
struct DiaryRowView;

inline constexpr int kDayMarkCount = 367;

// Day marks: which kinds of entry a day of the shown year carries.
enum DayMark { kNoEntry = 0, kOrdinaryEntry = 1, kHolidayEntry = 2, kBothEntries = 3 };

// The per-day marks of the shown month or year, built by one read of the
// whole diary table.
class CMonthIndex {
public:
    CMonthIndex() = default;

    // Rebuilds the marks for the month on show (31 days from its 1st) or the
    // whole year. `set` may be null or not open: then there are no records.
    // Database errors pass out.
    void LoadMonthIndex(CDiaryRecordset* set, int shownMonth, int shownYear, bool yearView);
    // Whether the marks were built from the diary as `set` finds it now; a
    // commit by another connection since the load makes them stale. A set
    // that is null or not open has nothing newer to offer.
    bool IsCurrentFor(const CDiaryRecordset* set) const;

    // The mark of a day of year; 0 outside 1..366.
    int Mark(int dayOfYear) const;
    int IndexYear() const { return m_indexYear; }
    bool IsReady() const { return m_ready; }
    void SetReady(bool ready) { m_ready = ready; }

    // The mark of a day that gains an entry of the given kind.
    static int MarkDay(int oldMark, bool isHoliday);

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
    void ClearMarks();
    void IndexEntry(const DiaryRowView& row, const Range& range);
    void MarkPlainEntry(QStringView date, bool isHoliday);
    void MarkWildcardEntry(QStringView date, const Range& range, bool isHoliday);
    void MarkDaysOf(const PackedPattern& pattern, int first, int last, bool isHoliday);
    static std::optional<PackedPattern> PackedPatternOf(QStringView pattern);
    void PrepareRangeKeys(const Range& range, int shownYear);

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
};
