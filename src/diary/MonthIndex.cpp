// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/MonthIndex.h"

#include <optional>

#include "calendar/CalendarDates.h"
#include "calendar/DateLib.h"
#include "calendar/MonthText.h"
#include "diary/DiaryRecordset.h"
#include "diary/ShortText.h"
#include "settings/DecimalText.h"

namespace {
constexpr int kKeyLength = 8;
constexpr int kMonthRangeDays = 31;
constexpr int kLastDayOfYear = 366;
// The month's two characters of a packed key (bytes 2 and 3).
constexpr std::uint64_t kMonthBits = std::uint64_t{0xFFFF} << 16;

bool IsWildcard(QStringView date) {
    if (date.size() < kKeyLength)
        return false;
    for (int i = 0; i < kKeyLength; ++i) {
        if (date[i] == QLatin1Char('*'))
            return true;
    }
    return false;
}

// A key's eight Latin-1 characters, one to a byte, so that a pattern tests a
// day in one step.
std::uint64_t PackedKey(QByteArrayView key) {
    std::uint64_t packed = 0;
    for (int i = 0; i < kKeyLength; ++i) {
        const unsigned char c = i < key.size() ? static_cast<unsigned char>(key[i]) : ' ';
        packed |= std::uint64_t{c} << (8 * i);
    }
    return packed;
}
}  // namespace

// Empty when a character can equal no key character.
std::optional<CMonthIndex::PackedPattern> CMonthIndex::PackedPatternOf(QStringView pattern) {
    PackedPattern packed;
    for (int i = 0; i < kKeyLength; ++i) {
        const char16_t c = pattern[i].unicode();
        if (c == u'*')
            continue;
        if (c > 0xFF)
            return std::nullopt;
        packed.mask |= std::uint64_t{0xFF} << (8 * i);
        packed.value |= std::uint64_t{c} << (8 * i);
    }
    return packed;
}

void CMonthIndex::LoadMonthIndex(CDiaryRecordset* set, int shownMonth, int shownYear,
                                 bool yearView) {
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
    m_diaryVersion = kNoDiaryVersion;
    if (set && set->IsOpen()) {
        // Taken before the rows: a commit landing meanwhile shows as a change.
        m_diaryVersion = set->DataVersion();
        set->Requery();
        set->VisitRecords([&](const DiaryRowView& row) { IndexEntry(row, range); });
    }
    m_ready = true;
}

bool CMonthIndex::IsCurrentFor(const CDiaryRecordset* set) const {
    return !set || !set->IsOpen() || set->DataVersion() == m_diaryVersion;
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
        m_rangeKeys[static_cast<std::size_t>(d)] = PackedKey(DateKey(day, month, year).toLatin1());
    }
    m_monthSpans.clear();
    for (int d = range.first; d <= range.last; ++d) {
        const std::uint64_t month = m_rangeKeys[static_cast<std::size_t>(d)] & kMonthBits;
        if (m_monthSpans.empty() || m_monthSpans.back().month != month)
            m_monthSpans.push_back(MonthSpan{month, d, d});
        else
            m_monthSpans.back().last = d;
    }
}

// The date is read without making a string of it.
void CMonthIndex::IndexEntry(const DiaryRowView& row, const Range& range) {
    const CShortText text(row.eventDate);
    const QStringView date = text.View();
    if (IsWildcard(date))
        MarkWildcardEntry(date, range, row.pubHoliday);
    else
        MarkPlainEntry(date, row.pubHoliday);
}

// A plain entry marks its day wherever it lies in the shown year; a day or
// month out of range marks nothing rather than a day that does not exist.
void CMonthIndex::MarkPlainEntry(QStringView date, bool isHoliday) {
    if (date.size() != kKeyLength || date.mid(4, 4) != m_yearText)
        return;
    const int day = ParseDecimal(date.mid(0, 2));
    const int month = ParseDecimal(date.mid(2, 2));
    const int year = ParseDecimal(date.mid(4, 4));
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return;
    const int d = DayOfYear(month, day, year);
    if (d < 1 || d > kLastDayOfYear)
        return;
    m_marks[static_cast<std::size_t>(d)] = MarkDay(m_marks[static_cast<std::size_t>(d)], isHoliday);
}

void CMonthIndex::MarkWildcardEntry(QStringView date, const Range& range, bool isHoliday) {
    // Longer patterns never equal a key once filled.
    if (date.size() != kKeyLength)
        return;
    const std::optional<PackedPattern> pattern = PackedPatternOf(date);
    if (!pattern)
        return;
    // A pattern naming its month can fall only on the days of that month.
    if ((pattern->mask & kMonthBits) != kMonthBits) {
        MarkDaysOf(*pattern, range.first, range.last, isHoliday);
        return;
    }
    for (const MonthSpan& span : m_monthSpans) {
        if (span.month == (pattern->value & kMonthBits))
            MarkDaysOf(*pattern, span.first, span.last, isHoliday);
    }
}

void CMonthIndex::MarkDaysOf(const PackedPattern& pattern, int first, int last, bool isHoliday) {
    for (int d = first; d <= last; ++d) {
        auto& mark = m_marks[static_cast<std::size_t>(d)];
        if (pattern.FallsOn(m_rangeKeys[static_cast<std::size_t>(d)]))
            mark = MarkDay(mark, isHoliday);
    }
}

int CMonthIndex::Mark(int dayOfYear) const {
    if (dayOfYear < 1 || dayOfYear > kLastDayOfYear)
        return kNoEntry;
    return m_marks[static_cast<std::size_t>(dayOfYear)];
}

int CMonthIndex::MarkDay(int oldMark, bool isHoliday) {
    return (oldMark | (isHoliday ? kHolidayEntry : kOrdinaryEntry)) & kBothEntries;
}
