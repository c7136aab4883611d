// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/PatternDays.h"

namespace {
constexpr int kDayPart = 0;
constexpr int kMonthPart = 2;
constexpr int kYearPart = 4;
// A day-and-month set that falls in no year of a full leap cycle never does.
constexpr int kLeapCycleYears = 400;

// Whether each character of a part is '*' or the digit of `value` in its
// place (value written with as many digits as the part has).
bool PartMatches(QStringView part, int value) {
    for (qsizetype i = part.size() - 1; i >= 0; --i, value /= 10) {
        const char16_t c = part[i].unicode();
        if (c != u'*' && c != u'0' + value % 10)
            return false;
    }
    return value == 0;
}

QList<int> PartValues(QStringView part, int lowest, int highest) {
    QList<int> values;
    for (int v = lowest; v <= highest; ++v) {
        if (PartMatches(part, v))
            values.append(v);
    }
    return values;
}

// The years a year part gives, ascending, by filling its stars with every
// combination of digits.
QList<int> YearValues(QStringView part) {
    QList<int> stars;
    for (int i = 0; i < part.size(); ++i) {
        if (part[i] == QLatin1Char('*'))
            stars.append(i);
    }
    int combinations = 1;
    for (int i = 0; i < stars.size(); ++i) combinations *= 10;
    QList<int> years;
    for (int k = 0; k < combinations; ++k) {
        QString text = part.toString();
        int rest = k;
        for (int s = stars.size() - 1; s >= 0; --s, rest /= 10)
            text[stars[s]] = QLatin1Char(static_cast<char>('0' + rest % 10));
        const int year = text.toInt();
        if (year >= kFirstPatternYear && year <= kLastPatternYear)
            years.append(year);
    }
    std::sort(years.begin(), years.end());
    return years;
}

// The distance between the years of a part whose stars stand together
// (a run of years with a fixed step); 0 when they do not.
int YearStep(QStringView part) {
    const int firstStar = part.indexOf(QLatin1Char('*'));
    const int lastStar = part.lastIndexOf(QLatin1Char('*'));
    if (firstStar < 0)
        return 1;
    for (int i = firstStar; i <= lastStar; ++i) {
        if (part[i] != QLatin1Char('*'))
            return 0;
    }
    int step = 1;
    for (int i = lastStar + 1; i < part.size(); ++i) step *= 10;
    return step;
}

QString NumberList(const QList<int>& values) {
    QStringList texts;
    for (const int v : values) texts.append(QString::number(v));
    return texts.join(QLatin1Char(','));
}

struct DayMonthSet {
    QList<int> days;
    QList<int> months;
};

std::optional<QDate> FirstDayOfYear(int year, const DayMonthSet& set) {
    for (const int m : set.months) {
        for (const int d : set.days) {
            if (QDate::isValid(year, m, d))
                return QDate(year, m, d);
        }
    }
    return std::nullopt;
}

std::optional<QDate> LastDayOfYear(int year, const DayMonthSet& set) {
    for (auto m = set.months.crbegin(); m != set.months.crend(); ++m) {
        for (auto d = set.days.crbegin(); d != set.days.crend(); ++d) {
            if (QDate::isValid(year, *m, *d))
                return QDate(year, *m, *d);
        }
    }
    return std::nullopt;
}

QList<QDate> AllDays(const QList<int>& years, const DayMonthSet& set) {
    QList<QDate> days;
    for (const int y : years) {
        for (const int m : set.months) {
            for (const int d : set.days) {
                if (QDate::isValid(y, m, d))
                    days.append(QDate(y, m, d));
            }
        }
    }
    return days;
}

QString RuleFor(const DayMonthSet& set, int yearStep) {
    const bool allDays = set.days.size() == 31;
    const bool allMonths = set.months.size() == 12;
    const QString byMonth = QStringLiteral(";BYMONTH=") + NumberList(set.months);
    const QString byMonthDay = QStringLiteral(";BYMONTHDAY=") + NumberList(set.days);
    if (yearStep > 1)
        return QStringLiteral("FREQ=YEARLY;INTERVAL=%1").arg(yearStep) + byMonth + byMonthDay;
    if (allDays && allMonths)
        return QStringLiteral("FREQ=DAILY");
    if (allDays)
        return QStringLiteral("FREQ=DAILY") + byMonth;
    if (allMonths)
        return QStringLiteral("FREQ=MONTHLY") + byMonthDay;
    return QStringLiteral("FREQ=YEARLY") + byMonth + byMonthDay;
}

std::optional<PatternDays> EndlessDays(const DayMonthSet& set) {
    for (int y = kFirstPatternYear; y < kFirstPatternYear + kLeapCycleYears; ++y) {
        if (const std::optional<QDate> first = FirstDayOfYear(y, set))
            return PatternDays{*first, RuleFor(set, 1), QDate(), {}};
    }
    return std::nullopt;
}

std::optional<PatternDays> BoundedDays(const QList<int>& years, int step, const DayMonthSet& set) {
    std::optional<QDate> first;
    for (auto y = years.cbegin(); y != years.cend() && !first; ++y) first = FirstDayOfYear(*y, set);
    if (!first)
        return std::nullopt;
    std::optional<QDate> last;
    for (auto y = years.crbegin(); y != years.crend() && !last; ++y) last = LastDayOfYear(*y, set);
    PatternDays days{*first, QString(), *last, {}};
    if (*first == *last)
        return days;
    if (step > 0) {
        days.rule = RuleFor(set, years.size() > 1 ? step : 1);
        return days;
    }
    // Years whose stars do not stand together follow no single rule.
    days.moreDates = AllDays(years, set);
    days.moreDates.removeFirst();
    return days;
}
}  // namespace

bool IsDatePattern(const QString& text) {
    if (text.size() != 8)
        return false;
    for (const QChar c : text) {
        if (c != QLatin1Char('*') && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    }
    return true;
}

bool PatternFallsOn(const QString& pattern, const QDate& day) {
    int y = 0;
    int m = 0;
    int d = 0;
    day.getDate(&y, &m, &d);
    if (pattern.size() != 8 || !day.isValid() || y < 0 || y > kLastPatternYear)
        return false;
    // The digits of the key DDMMYYYY, compared without building its text:
    // this runs for every day of every range checked.
    const int digits[8] = {d / 10,   d % 10,       m / 10,      m % 10,
                           y / 1000, y / 100 % 10, y / 10 % 10, y % 10};
    for (int i = 0; i < 8; ++i) {
        const char16_t c = pattern[i].unicode();
        if (c != u'*' && c != u'0' + digits[i])
            return false;
    }
    return true;
}

std::optional<PatternDays> DaysOfPattern(const QString& pattern) {
    if (!IsDatePattern(pattern))
        return std::nullopt;
    const QStringView text(pattern);
    if (!pattern.contains(QLatin1Char('*'))) {
        const QDate day(text.mid(kYearPart, 4).toInt(), text.mid(kMonthPart, 2).toInt(),
                        text.mid(kDayPart, 2).toInt());
        if (day.year() < kFirstPatternYear || !day.isValid())
            return std::nullopt;
        return PatternDays{day, QString(), day, {}};
    }
    const DayMonthSet set{PartValues(text.mid(kDayPart, 2), 1, 31),
                          PartValues(text.mid(kMonthPart, 2), 1, 12)};
    if (set.days.isEmpty() || set.months.isEmpty())
        return std::nullopt;
    const QStringView yearPart = text.mid(kYearPart, 4);
    if (yearPart == QLatin1String("****"))
        return EndlessDays(set);
    const QList<int> years = YearValues(yearPart);
    if (years.isEmpty())
        return std::nullopt;
    return BoundedDays(years, YearStep(yearPart), set);
}

QString PartPatternFor(const QList<int>& values, int lowest, int highest) {
    static const QString kChars = QStringLiteral("0123456789*");
    for (const QChar tens : kChars) {
        for (const QChar units : kChars) {
            const QString part = QString(tens) + units;
            if (PartValues(part, lowest, highest) == values)
                return part;
        }
    }
    return QString();
}
