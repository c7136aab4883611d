// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "interop/CalendarImport.h"
#include "interop/EntryTable.h"
#include "interop/IcsError.h"
#include "interop/PatternDays.h"
#include "support/DiaryFixture.h"
#include "support/Golden.h"
#include "support/RowName.h"

namespace {
const ImportOptions kOptions{false, "Europe/Berlin", QDate(2027, 1, 15)};

QString Listing(const QList<DiaryEntry>& entries) {
    QString text;
    for (const DiaryEntry& e : entries)
        text +=
            QStringLiteral("%1 %2 %3 %4%5\n")
                .arg(e.date, e.time, e.holiday ? QStringLiteral("holiday") : QStringLiteral("-"),
                     e.message, e.tune.isEmpty() ? QString() : QStringLiteral(" | ") + e.tune);
    return text;
}

class ImportTest : public DiaryFixture {
protected:
    QList<DiaryEntry> Entries() { return CEntryTable(database).ReadAll(); }

    CDiaryDatabase database{diaryPath};
};

struct GoldenCase {
    const char* name;
    const char* file;
    bool holiday;
};

class GoldenImportTest : public ImportTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GoldenImportTest, GivesTheGoldenEntriesAndASecondImportAddsNothing) {
    const QString name = QString::fromLatin1(GetParam().file);
    ImportOptions options = kOptions;
    options.holiday = GetParam().holiday;
    const QByteArray text = GoldenBytes(name + QStringLiteral(".ics"));
    const ImportSummary first = ImportCalendar(text, name, options, database);
    EXPECT_EQ((Listing(Entries()) + first.Text() + QLatin1Char('\n')).toStdString(),
              GoldenBytes(name + QStringLiteral(".expected")).toStdString());
    const ImportSummary second = ImportCalendar(text, name, options, database);
    EXPECT_EQ(second.added, 0);
    EXPECT_EQ(second.present, first.added + first.present);
    EXPECT_EQ(Entries().size(), first.added);
}

INSTANTIATE_TEST_SUITE_P(ForeignFiles, GoldenImportTest,
                         ::testing::Values(GoldenCase{"Holidays", "holidays", true},
                                           GoldenCase{"MeetingNewYork", "meeting-newyork", false},
                                           GoldenCase{"MultiDay", "multiday", false},
                                           GoldenCase{"FoldedCrLf", "folded-crlf", false},
                                           GoldenCase{"ByteOrderMark", "bom", false}),
                         RowName());

// A file refused, and the refusal after "in.ics, line ".
struct RefusalCase {
    const char* name;
    QByteArray text;
    const char* message;
};

class RefusedImportTest : public ImportTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusedImportTest, NamesTheLineAndLeavesTheDiaryAsItWas) {
    Add({{"01012027", "already here"}});
    try {
        ImportCalendar(GetParam().text, QStringLiteral("in.ics"), kOptions, database);
        FAIL() << "the file was accepted";
    } catch (const CIcsError& error) {
        EXPECT_EQ(error.Description(), "in.ics, line " + QString(GetParam().message));
    }
    EXPECT_EQ(Entries().size(), 1);
}

const RefusalCase kRefusals[] = {
    {"Damaged", GoldenBytes("damaged.ics"), "13: DTSTART is not a valid date, time or rule"},
    {"NotICalendar", "Dear diary,\nnothing happened.\n",
     "1: this is not an iCalendar content line"},
    {"Truncated",
     GoldenBytes("holidays.ics").left(GoldenBytes("holidays.ics").indexOf("END:VEVENT")),
     "12: the file ends inside VEVENT"},
    {"Mismatched", "BEGIN:VCALENDAR\nBEGIN:VEVENT\nEND:VTODO\n",
     "3: END:VTODO closes no open BEGIN:VTODO"},
    {"Empty", "\n\n", "1: the file is empty, not an iCalendar file"},
};
INSTANTIATE_TEST_SUITE_P(BadFiles, RefusedImportTest, ::testing::ValuesIn(kRefusals), RowName());

// Files in the shapes other programs export, and the days their events cover
// in two zones as an independent reader (scripts/ics-local-days.py, Python's
// icalendar, dateutil and zoneinfo) recorded them, over the listed years.
using CorpusCase = std::tuple<const char*, const char*>;
class CorpusTest : public ImportTest, public ::testing::WithParamInterface<CorpusCase> {};

TEST_P(CorpusTest, CoversTheDaysAnIndependentReaderFinds) {
    const auto [file, zone] = GetParam();
    const ImportOptions options{false, zone, kOptions.today};
    const QByteArray text = GoldenBytes(QString("corpus/%1.ics").arg(file));
    EXPECT_EQ(ImportCalendar(text, file, options, database).present, 0) << "nothing counted twice";
    QString days;
    for (QDate d = kOptions.today.addYears(-1); d <= kOptions.today.addYears(3); d = d.addDays(1)) {
        QStringList lines;
        for (const DiaryEntry& e : Entries()) {
            if (PatternFallsOn(e.date, d))
                lines << d.toString("ddMMyyyy ") + e.time + ' ' + e.message;
        }
        lines.sort();
        for (const QString& line : lines) days += line + '\n';
    }
    const QString golden = QString("corpus/%1.%2.days").arg(file, QString(zone).replace('/', '-'));
    EXPECT_EQ(days.toStdString(), GoldenBytes(golden).toStdString());
    EXPECT_EQ(ImportCalendar(text, file, options, database).added, 0);
}

INSTANTIATE_TEST_SUITE_P(Exports, CorpusTest,
                         ::testing::Combine(::testing::Values("moved-occurrence", "extra-dates",
                                                              "daylight-span", "empty-texts",
                                                              "endless-rules", "long-lists",
                                                              "leap-month"),
                                            ::testing::Values("Europe/Berlin", "America/New_York")),
                         [](const ::testing::TestParamInfo<CorpusCase>& info) {
                             return QString(std::get<0>(info.param)).remove('-').toStdString() +
                                    (info.index % 2 ? "_NewYork" : "_Berlin");
                         });
}  // namespace
