// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DatePattern.h"

#include <QCoreApplication>
#include <string>

#include "calendar/DateLib.h"
#include "platform/Prompts.h"

namespace {
constexpr int kWorkingPlaces = 8;
constexpr int kMaxDateCharacters = 8;
constexpr int kMinDateCharacters = 3;

const char* const kMustBeEntered = QT_TRANSLATE_NOOP("CDiaryEntryDlg", "A date must be entered");

QString Translated(const char* text) {
    return QCoreApplication::translate("CDiaryEntryDlg", text);
}

bool IsDateCharacter(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U'*';
}

// Where each field lies in the eight places, by the user's date order.
struct FieldPlaces {
    int day;
    int month;
    int year;
};

FieldPlaces PlacesFor(DateOrder order) {
    switch (order) {
        case DateOrder::DayMonthYear:
            return {0, 2, 4};
        case DateOrder::YearMonthDay:
            return {6, 4, 0};
        case DateOrder::MonthDayYear:
            break;
    }
    // Month-day-year also stands for any unknown order value.
    return {2, 0, 4};
}

// The run of date characters starting at `pos`.
QString RunAt(const std::u32string& text, size_t pos) {
    QString run;
    while (pos < text.size() && IsDateCharacter(text[pos]))
        run.append(QChar(static_cast<char16_t>(text[pos++])));
    return run;
}

QString PadPart(const QString& part) {
    return part.size() == 1 ? QLatin1Char('0') + part : part;
}

// Steps up to the joined text: the shape of the typed text (length, separators,
// parts). Works on code points so a character outside the BMP counts once.
QString JoinTypedParts(const QString& typed, QString& joined) {
    if (typed.isEmpty())
        return Translated(kMustBeEntered);
    const std::u32string text = typed.toStdU32String();
    size_t dateCharacters = 0;
    for (const char32_t c : text) dateCharacters += IsDateCharacter(c) ? 1 : 0;
    const size_t separators = text.size() - dateCharacters;
    if (separators != 0 && separators != 2)
        return Translated(kMustBeEntered);
    if (dateCharacters < kMinDateCharacters)
        return Translated(kMustBeEntered);
    if (dateCharacters > kMaxDateCharacters)
        return Translated(kMustBeEntered) + QStringLiteral(" C");

    const QString first = RunAt(text, 0);
    if (first.isEmpty())
        return Translated(kMustBeEntered) + QStringLiteral(" 1");
    if (separators == 0) {
        joined = first;
        return QString();
    }
    const size_t secondStart = first.size() + 1;
    const QString second = RunAt(text, secondStart);
    if (second.isEmpty())
        return Translated(kMustBeEntered) + QStringLiteral(" 2");
    const QString third = RunAt(text, secondStart + second.size() + 1);
    if (third.isEmpty())
        return Translated(kMustBeEntered) + QStringLiteral(" 3");
    joined = PadPart(first) + PadPart(second) + PadPart(third);
    // Padding can push the text past the eight places (1/1/123456); such a
    // date is refused rather than cut short and misread.
    if (joined.size() > kMaxDateCharacters)
        return Translated(kMustBeEntered) + QStringLiteral(" C");
    return QString();
}

// The field at `place` as the C library's atoi reads it: leading digits,
// 0 when there are none.
int ReadField(const QString& places, int place, int width) {
    int value = 0;
    for (int i = place;
         i < place + width && places[i] >= QLatin1Char('0') && places[i] <= QLatin1Char('9'); ++i)
        value = value * 10 + (places[i].unicode() - u'0');
    return value;
}

int WindowYear(int year) {
    if (year < 50)
        return 2000 + year;
    if (year < 100)
        return 1900 + year;
    return year;
}

QString EightPlaces(const QString& joined) {
    return joined.leftJustified(kWorkingPlaces, QLatin1Char(' '), true);
}

QString CheckDate(const QString& joined, DateOrder order) {
    // Each '*' is tested as the digit 1, an all-'*' year as 1900.
    QString working = EightPlaces(joined);
    working.replace(QLatin1Char('*'), QLatin1Char('1'));
    const FieldPlaces places = PlacesFor(order);
    const int day = ReadField(working, places.day, 2);
    const int month = ReadField(working, places.month, 2);
    int year = WindowYear(ReadField(working, places.year, 4));
    if (EightPlaces(joined).mid(places.year, 4) == QLatin1String("****"))
        year = 1900;

    QString errors;
    if (!IsValidDate(month, day, year))
        errors += QCoreApplication::translate("CDiaryEntryDlg", "Invalid date\n");
    if (day < 1 || day > 31)
        errors += QCoreApplication::translate("CDiaryEntryDlg", "Day must be between 1 and 31\n");
    if (month < 1 || month > 12)
        errors += QCoreApplication::translate("CDiaryEntryDlg", "Month must be between 1 and 12\n");
    return errors;
}

QString StoredDayOrMonth(const QString& field) {
    return field.rightJustified(2, QLatin1Char('0'));
}

// A short year is stored with the century the validation windowed it into,
// so 07 becomes 2007 and 2* becomes 202*.
QString StoredYear(const QString& field) {
    if (!field.isEmpty() && field.count(QLatin1Char('*')) == field.size())
        return QStringLiteral("****");
    QString significant = field;
    while (significant.startsWith(QLatin1Char('0'))) significant.remove(0, 1);
    if (significant.size() >= 4)
        return significant;
    QString tested = significant;
    tested.replace(QLatin1Char('*'), QLatin1Char('1'));
    const int windowed = WindowYear(tested.toInt());
    const QString century = QString::number(windowed).rightJustified(4, QLatin1Char('0'));
    return century.left(4 - significant.size()) + significant;
}
}  // namespace

QString KeepDateCharacters(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (IsDateCharacter(c.unicode()))
            kept.append(c);
    }
    return kept;
}

QString DatePatternErrors(const QString& text, DateOrder order) {
    QString joined;
    const QString shapeError = JoinTypedParts(text, joined);
    if (!shapeError.isEmpty())
        return shapeError;
    return CheckDate(joined, order);
}

bool ValidateDatePattern(const QString& text, DateOrder order, IPrompts& prompts) {
    const QString errors = DatePatternErrors(text, order);
    if (errors.isEmpty())
        return true;
    prompts.ShowMessage(errors, QCoreApplication::translate("CDiaryEntryDlg", "Error!"));
    return false;
}

QString NormalizeDatePattern(const QString& text, DateOrder order) {
    QString joined;
    if (!JoinTypedParts(text, joined).isEmpty() || !CheckDate(joined, order).isEmpty())
        return QString();
    const QString places = EightPlaces(joined);
    const FieldPlaces at = PlacesFor(order);
    const QString day = places.mid(at.day, 2).trimmed();
    const QString month = places.mid(at.month, 2).trimmed();
    const QString year = places.mid(at.year, 4).trimmed();
    return StoredDayOrMonth(day) + StoredDayOrMonth(month) + StoredYear(year);
}

QString ToDisplayDate(const QString& stored) {
    return ToDisplayDate(stored, DateOrder::DayMonthYear);
}

QString ToDisplayDate(const QString& stored, DateOrder order) {
    if (stored.size() != kWorkingPlaces || KeepDateCharacters(stored) != stored)
        return stored;
    const QString day = stored.left(2);
    const QString month = stored.mid(2, 2);
    const QString year = stored.mid(4);
    const QChar slash = QLatin1Char('/');
    switch (order) {
        case DateOrder::DayMonthYear:
            return day + slash + month + slash + year;
        case DateOrder::YearMonthDay:
            return year + slash + month + slash + day;
        case DateOrder::MonthDayYear:
            break;
    }
    return month + slash + day + slash + year;
}
