#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "calendar/DateLib.h"
#include "diary/DatePattern.h"
#include "support/FakePrompts.h"

namespace {
const QString kEntered = QStringLiteral("A date must be entered");
const QString kInvalid = QStringLiteral("Invalid date\n");
const QString kDayRange = QStringLiteral("Day must be between 1 and 31\n");
const QString kMonthRange = QStringLiteral("Month must be between 1 and 12\n");

QString ErrorsDmy(const QString& text) {
    return DatePatternErrors(text, DateOrder::DayMonthYear);
}
}  // namespace

TEST(KeepDateCharacters, StripsEverythingButDigitsAndStars) {
    EXPECT_EQ(KeepDateCharacters(QStringLiteral("25/12/2007")), QStringLiteral("25122007"));
    EXPECT_EQ(KeepDateCharacters(QStringLiteral("25-12-****")), QStringLiteral("2512****"));
    EXPECT_EQ(KeepDateCharacters(QStringLiteral("********")), QStringLiteral("********"));
    EXPECT_EQ(KeepDateCharacters(QStringLiteral(" a1é٣2\u00A03")), QStringLiteral("123"));
    EXPECT_EQ(KeepDateCharacters(QString()), QString());
}

TEST(DatePattern, AcceptsTheDayMonthYearForms) {
    for (const char* text :
         {"25/12/2007", "25122007", "25-12-2007", "25.12.2007", "5/3/2007", "25/12/07", "1/1/99",
          "**/**/****", "********", "29/02/2008", "**/12/****", "25 12 2007"}) {
        EXPECT_EQ(ErrorsDmy(QLatin1String(text)), QString()) << text;
    }
}

TEST(DatePattern, RefusesTheShapeWithTheFirstFailingMessage) {
    struct Case {
        const char* text;
        QString message;
    };
    const Case cases[] = {
        {"", kEntered},
        {"25/12", kEntered},
        {"25//12/2007", kEntered},
        {"12", kEntered},
        {"//", kEntered},
        {"251220071", kEntered + QStringLiteral(" C")},
        {"25/12/20071", kEntered + QStringLiteral(" C")},
        {"/25/12", kEntered + QStringLiteral(" 1")},
        {"25//12", kEntered + QStringLiteral(" 2")},
        {"25/12/", kEntered + QStringLiteral(" 3")},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorsDmy(QLatin1String(c.text)), c.message) << c.text;
}

TEST(DatePattern, CollectsEveryFailedCheckInOneText) {
    EXPECT_EQ(ErrorsDmy(QStringLiteral("32/12/2007")), kInvalid + kDayRange);
    EXPECT_EQ(ErrorsDmy(QStringLiteral("25/13/2007")), kInvalid + kMonthRange);
    EXPECT_EQ(ErrorsDmy(QStringLiteral("00/00/2007")), kInvalid + kDayRange + kMonthRange);
    EXPECT_EQ(ErrorsDmy(QStringLiteral("29/02/2007")), kInvalid);
    EXPECT_EQ(ErrorsDmy(QStringLiteral("25/12/1583")), kInvalid);
    // Stars are tested as 1 and an all-star year as 1900.
    EXPECT_EQ(ErrorsDmy(QStringLiteral("31/**/****")), kInvalid);
    EXPECT_EQ(ErrorsDmy(QStringLiteral("29/02/****")), kInvalid);
}

TEST(DatePattern, ReadsTheTextInTheUsersOrder) {
    EXPECT_EQ(DatePatternErrors(QStringLiteral("12/25/2007"), DateOrder::MonthDayYear), QString());
    EXPECT_EQ(DatePatternErrors(QStringLiteral("25/12/2007"), DateOrder::MonthDayYear),
              kInvalid + kMonthRange);
    EXPECT_EQ(DatePatternErrors(QStringLiteral("2007/12/25"), DateOrder::YearMonthDay), QString());
    EXPECT_EQ(DatePatternErrors(QStringLiteral("2007-2-29"), DateOrder::YearMonthDay), kInvalid);
    EXPECT_EQ(DatePatternErrors(QStringLiteral("25/12/2007"), DateOrder::YearMonthDay),
              kInvalid + kMonthRange);
    // Any value other than day-month-year and year-month-day reads as month-day-year.
    EXPECT_EQ(DatePatternErrors(QStringLiteral("12/25/2007"), static_cast<DateOrder>(7)),
              QString());
}

// A wildcard year in year-month-day order is tested as 1900, as in the other orders.
TEST(DatePattern, WildcardYearInYearMonthDayOrder) {
    EXPECT_EQ(DatePatternErrors(QStringLiteral("****/12/25"), DateOrder::YearMonthDay), QString());
    EXPECT_EQ(DatePatternErrors(QStringLiteral("****/02/29"), DateOrder::YearMonthDay), kInvalid);
    EXPECT_EQ(DatePatternErrors(QStringLiteral("0100/**/**"), DateOrder::YearMonthDay), kInvalid);
}

TEST(DatePattern, ValidationShowsOneBoxCaptionedError) {
    FakePrompts prompts;
    EXPECT_TRUE(
        ValidateDatePattern(QStringLiteral("25/12/2007"), DateOrder::DayMonthYear, prompts));
    EXPECT_TRUE(prompts.messages.isEmpty());

    EXPECT_FALSE(
        ValidateDatePattern(QStringLiteral("32/13/2007"), DateOrder::DayMonthYear, prompts));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Error!"));
    EXPECT_EQ(prompts.messages[0].text, kInvalid + kDayRange + kMonthRange);

    EXPECT_FALSE(ValidateDatePattern(QString(), DateOrder::DayMonthYear, prompts));
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[1].text, kEntered);
}

TEST(DatePattern, HostileTextsGiveAMessage) {
    EXPECT_EQ(ErrorsDmy(QString(1000, QLatin1Char('1'))), kEntered + QStringLiteral(" C"));
    EXPECT_EQ(ErrorsDmy(QString(1000, QLatin1Char('/'))), kEntered);
    EXPECT_EQ(ErrorsDmy(QString(1000, QChar(0x00E9))), kEntered);
    EXPECT_EQ(ErrorsDmy(QStringLiteral("25é12é2007")), QString());
    // A character outside the BMP is one separator, not two.
    EXPECT_EQ(ErrorsDmy(QStringLiteral("25\U0001F600"
                                       "12\U0001F600"
                                       "2007")),
              QString());
    EXPECT_EQ(ErrorsDmy(QStringLiteral("25\U0001F600"
                                       "122007")),
              kEntered);
    // Padding single-character parts must not read past the eight places.
    EXPECT_EQ(ErrorsDmy(QStringLiteral("1/1/123456")), kEntered + QStringLiteral(" C"));
    EXPECT_EQ(ErrorsDmy(QStringLiteral("1/1/200712")), kEntered + QStringLiteral(" C"));
    EXPECT_EQ(NormalizeDatePattern(QStringLiteral("1/1/123456"), DateOrder::DayMonthYear),
              QString());
}

TEST(NormalizeDatePattern, StoresDayMonthYearWithStarsInPlace) {
    struct Case {
        const char* text;
        DateOrder order;
        const char* stored;
    };
    constexpr DateOrder dmy = DateOrder::DayMonthYear;
    constexpr DateOrder mdy = DateOrder::MonthDayYear;
    constexpr DateOrder ymd = DateOrder::YearMonthDay;
    const Case cases[] = {
        {"25/12/2007", dmy, "25122007"}, {"5/3/2007", dmy, "05032007"},
        {"25/12/07", dmy, "25122007"},   {"1/1/99", dmy, "01011999"},
        {"1/1/49", dmy, "01012049"},     {"1/1/50", dmy, "01011950"},
        {"**/12/****", dmy, "**12****"}, {"********", dmy, "********"},
        {"25.12.2007", dmy, "25122007"}, {"25/12/**", dmy, "2512****"},
        {"25/12/2*", dmy, "2512202*"},   {"1/*/2007", dmy, "010*2007"},
        {"2512", dmy, "25122000"},       {"251207", dmy, "25122007"},
        {"12/25/2007", mdy, "25122007"}, {"3/5/2007", mdy, "05032007"},
        {"12/**/****", mdy, "**12****"}, {"2007/12/25", ymd, "25122007"},
        {"2007-3-5", ymd, "05032007"},   {"****/12/25", ymd, "2512****"},
        {"20071225", ymd, "25122007"},   {"25/12/0050", dmy, "25121950"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeDatePattern(QLatin1String(c.text), c.order), QLatin1String(c.stored))
            << c.text;
}

TEST(NormalizeDatePattern, RefusedTextsGiveNothing) {
    for (const char* text : {"", "25/12", "32/12/2007", "29/02/****", "/25/12", "abc"})
        EXPECT_EQ(NormalizeDatePattern(QLatin1String(text), DateOrder::DayMonthYear), QString())
            << text;
    EXPECT_EQ(NormalizeDatePattern(QStringLiteral("25/12/2007"), DateOrder::MonthDayYear),
              QString());
}

TEST(ToDisplayDate, SlashesOnlyAStoredPattern) {
    EXPECT_EQ(ToDisplayDate(QStringLiteral("25122007")), QStringLiteral("25/12/2007"));
    EXPECT_EQ(ToDisplayDate(QStringLiteral("**12****")), QStringLiteral("**/12/****"));
    EXPECT_EQ(ToDisplayDate(QStringLiteral("2512200")), QStringLiteral("2512200"));
    EXPECT_EQ(ToDisplayDate(QStringLiteral("25/12/2007")), QStringLiteral("25/12/2007"));
    EXPECT_EQ(ToDisplayDate(QStringLiteral("2512abcd")), QStringLiteral("2512abcd"));
    EXPECT_EQ(ToDisplayDate(QString()), QString());
}

TEST(ToDisplayDate, FollowsTheUsersOrder) {
    const QString stored = QStringLiteral("2512****");
    EXPECT_EQ(ToDisplayDate(stored, DateOrder::DayMonthYear), QStringLiteral("25/12/****"));
    EXPECT_EQ(ToDisplayDate(stored, DateOrder::MonthDayYear), QStringLiteral("12/25/****"));
    EXPECT_EQ(ToDisplayDate(stored, DateOrder::YearMonthDay), QStringLiteral("****/12/25"));
    EXPECT_EQ(ToDisplayDate(QStringLiteral("25/12/2007"), DateOrder::MonthDayYear),
              QStringLiteral("25/12/2007"));
}

namespace {
const QChar kAlphabet[] = {u'0', u'1', u'2', u'3',          u'4',          u'5',         u'6',
                           u'7', u'8', u'9', u'*',          u'*',          u'/',         u'-',
                           u'.', u' ', u'a', QChar(0x00E9), QChar(0x0663), QChar(0xFFFF)};

QString RandomText(QRandomGenerator& random) {
    // Mostly short texts, where the interesting shapes lie, some long ones.
    const int length = random.bounded(8) == 0 ? random.bounded(1200) : random.bounded(13);
    QString text;
    for (int i = 0; i < length; ++i) {
        if (random.bounded(50) == 0)
            text.append(
                QChar(static_cast<char16_t>(0xD800 + random.bounded(0x800))));  // stray surrogates
        else
            text.append(kAlphabet[random.bounded(static_cast<int>(std::size(kAlphabet)))]);
    }
    return text;
}

bool IsStoredForm(const QString& stored) {
    if (stored.size() != 8)
        return false;
    for (const QChar c : stored) {
        if (c != QLatin1Char('*') && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    }
    return true;
}
}  // namespace

// Random texts in every order: the validation and the stored form agree, the
// stored form is well formed and is itself accepted unchanged, and a concrete
// stored date is a real date.
TEST(DatePattern, RandomTextsKeepTheInvariants) {
    QRandomGenerator random(20070305);
    int accepted = 0;
    const DateOrder orders[] = {DateOrder::DayMonthYear, DateOrder::MonthDayYear,
                                DateOrder::YearMonthDay};
    for (int i = 0; i < 200000; ++i) {
        const QString text = RandomText(random);
        const DateOrder order = orders[i % 3];
        const QString errors = DatePatternErrors(text, order);
        const QString stored = NormalizeDatePattern(text, order);
        ASSERT_EQ(errors.isEmpty(), !stored.isEmpty()) << qPrintable(text);
        if (stored.isEmpty())
            continue;
        ++accepted;
        ASSERT_TRUE(IsStoredForm(stored)) << qPrintable(text) << " -> " << qPrintable(stored);
        ASSERT_EQ(NormalizeDatePattern(stored, DateOrder::DayMonthYear), stored)
            << qPrintable(text);
        ASSERT_EQ(NormalizeDatePattern(ToDisplayDate(stored), DateOrder::DayMonthYear), stored);
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
