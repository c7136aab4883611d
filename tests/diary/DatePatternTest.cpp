// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "calendar/DateLib.h"
#include "diary/DatePattern.h"
#include "support/FakePrompts.h"
#include "support/RowName.h"

namespace {
const QString kEntered = QStringLiteral("A date must be entered");
const QString kInvalid = QStringLiteral("Invalid date\n");
const QString kDay = QStringLiteral("Day must be between 1 and 31\n");
const QString kMonth = QStringLiteral("Month must be between 1 and 12\n");
constexpr DateOrder dmy = DateOrder::DayMonthYear;
constexpr DateOrder mdy = DateOrder::MonthDayYear;
constexpr DateOrder ymd = DateOrder::YearMonthDay;

// A typed date in the user's order: the failed checks in one text, or the
// stored DDMMYYYY form with its stars in place.
struct PatternRow {
    const char* name;
    QString text;
    DateOrder order;
    QString errors, stored;
};

class DatePatternTable : public ::testing::TestWithParam<PatternRow> {};

TEST_P(DatePatternTable, ValidatesAndStores) {
    const PatternRow& r = GetParam();
    EXPECT_EQ(DatePatternErrors(r.text, r.order), r.errors);
    EXPECT_EQ(NormalizeDatePattern(r.text, r.order), r.stored);
}

const PatternRow kPatterns[] = {
    {"Slashes", "25/12/2007", dmy, "", "25122007"},
    {"Digits", "25122007", dmy, "", "25122007"},
    {"SingleDigits", "5/3/2007", dmy, "", "05032007"},
    {"Pivot49", "1/1/49", dmy, "", "01012049"},
    {"Pivot50", "1/1/50", dmy, "", "01011950"},
    {"Year0050", "25/12/0050", dmy, "", "25121950"},
    {"AllStars", "**/**/****", dmy, "", "********"},
    {"StarYear", "25/12/**", dmy, "", "2512****"},
    {"StarMonth", "1/*/2007", dmy, "", "010*2007"},
    {"DayMonthOnly", "2512", dmy, "", "25122000"},
    {"SixDigits", "251207", dmy, "", "25122007"},
    {"AccentSeparator", "25é12é2007", dmy, "", "25122007"},
    {"AstralSeparator", "25\U0001F60012\U0001F6002007", dmy, "", "25122007"},
    {"Mdy", "12/25/2007", mdy, "", "25122007"},
    {"MdyRefusesDmy", "25/12/2007", mdy, kInvalid + kMonth, ""},
    {"UnknownOrderIsMdy", "12/25/2007", static_cast<DateOrder>(7), "", "25122007"},
    {"Ymd", "2007/12/25", ymd, "", "25122007"},
    {"YmdDashes", "2007-3-5", ymd, "", "05032007"},
    {"YmdYear100", "0100/**/**", ymd, kInvalid, ""},
    {"Empty", "", dmy, kEntered, ""},
    {"DayMonth", "25/12", dmy, kEntered, ""},
    {"NineDigits", "251220071", dmy, kEntered + " C", ""},
    {"SixDigitYear", "1/1/123456", dmy, kEntered + " C", ""},
    {"LeadingSlash", "/25/12", dmy, kEntered + " 1", ""},
    {"EmptyMiddle", "25//12", dmy, kEntered + " 2", ""},
    {"TrailingSlash", "25/12/", dmy, kEntered + " 3", ""},
    {"Day32", "32/12/2007", dmy, kInvalid + kDay, ""},
    {"Month13", "25/13/2007", dmy, kInvalid + kMonth, ""},
    {"Zeros", "00/00/2007", dmy, kInvalid + kDay + kMonth, ""},
    {"NoLeapDay", "29/02/2007", dmy, kInvalid, ""},
    {"StarMonthIsJanuary", "31/**/****", dmy, kInvalid, ""},
    {"StarYearIs1900", "29/02/****", dmy, kInvalid, ""},
    {"OneAstralSeparator", "25\U0001F600122007", dmy, kEntered, ""},
};
INSTANTIATE_TEST_SUITE_P(DatePattern, DatePatternTable, ::testing::ValuesIn(kPatterns), RowName());

// The validation shows one captioned box.
TEST(DatePattern, ValidationBoxDisplayFormsAndKeptCharacters) {
    FakePrompts prompts;
    EXPECT_TRUE(ValidateDatePattern(QStringLiteral("25/12/2007"), dmy, prompts));
    EXPECT_FALSE(ValidateDatePattern(QStringLiteral("32/13/2007"), dmy, prompts));
    EXPECT_EQ(prompts.Shown(), QStringList{"Error!: " + kInvalid + kDay + kMonth});
    EXPECT_EQ(KeepDateCharacters(QStringLiteral(" a1é٣2\u00A03*/")), QStringLiteral("123*"));
    const QString stored = QStringLiteral("2512****");
    EXPECT_EQ(QStringList(
                  {ToDisplayDate(stored), ToDisplayDate(stored, mdy), ToDisplayDate(stored, ymd)}),
              QStringList({"25/12/****", "12/25/****", "****/12/25"}));
    // Only a stored pattern is reshaped.
    for (const char* text : {"2512200", "25/12/2007", "2512abcd", ""})
        EXPECT_EQ(ToDisplayDate(QLatin1String(text), mdy), QLatin1String(text));
}

// Digits, stars (twice as likely), separators, a letter, an accent, an Arabic
// digit and a non-character.
const QString kAlphabet = QStringLiteral("0123456789**/-. a\u00e9\u0663\uffff");

// Mostly short texts, where the interesting shapes lie, some long ones, with
// now and then a stray surrogate.
QString RandomText(QRandomGenerator& random) {
    const int length = random.bounded(8) == 0 ? random.bounded(1200) : random.bounded(13);
    QString text;
    for (int i = 0; i < length; ++i) {
        text.append(random.bounded(50) == 0
                        ? QChar(static_cast<char16_t>(0xD800 + random.bounded(0x800)))
                        : kAlphabet[random.bounded(static_cast<int>(kAlphabet.size()))]);
    }
    return text;
}

// Random texts in every order: the validation and the stored form agree, the
// stored form is well formed and is itself accepted unchanged, and a concrete
// stored date is a real date.
TEST(DatePattern, RandomTextsKeepTheInvariants) {
    QRandomGenerator random(20070305);
    int accepted = 0;
    const DateOrder orders[] = {dmy, mdy, ymd};
    for (int i = 0; i < 200000; ++i) {
        const QString text = RandomText(random);
        const DateOrder order = orders[i % 3];
        const QString stored = NormalizeDatePattern(text, order);
        ASSERT_EQ(DatePatternErrors(text, order).isEmpty(), !stored.isEmpty()) << qPrintable(text);
        if (stored.isEmpty())
            continue;
        ++accepted;
        ASSERT_TRUE(stored.size() == 8 && KeepDateCharacters(stored) == stored)
            << qPrintable(text) << " -> " << qPrintable(stored);
        ASSERT_EQ(NormalizeDatePattern(stored, dmy), stored) << qPrintable(text);
        ASSERT_EQ(NormalizeDatePattern(ToDisplayDate(stored, order), order), stored)
            << qPrintable(stored);
        if (!stored.contains(QLatin1Char('*'))) {
            ASSERT_TRUE(IsValidDate(stored.mid(2, 2).toInt(), stored.left(2).toInt(),
                                    stored.mid(4).toInt()))
                << qPrintable(text) << " -> " << qPrintable(stored);
        }
    }
    // The generator must reach the accepting paths for the properties to mean anything.
    EXPECT_GT(accepted, 1000);
}
}  // namespace
