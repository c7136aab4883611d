// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "interop/CalendarImport.h"
#include "interop/IcsError.h"
#include "support/DiaryFiles.h"
#include "support/Golden.h"
#include "support/TempDir.h"

namespace {
constexpr int kCopies = 2000;
constexpr qint64 kSlowestImportMs = 2000;

const char* const kGoldenFiles[] = {"holidays.ics", "meeting-newyork.ics",
                                    "multiday.ics", "folded-crlf.ics",
                                    "bom.ics",      "damaged.ics"};

// Lines that have hung, crashed or flooded calendar readers.
const char* const kPoisonLines[] = {"RRULE:FREQ=SECONDLY",
                                    "RRULE:FREQ=DAILY;INTERVAL=0",
                                    "RRULE:FREQ=DAILY;COUNT=999999999",
                                    "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30",
                                    "RRULE:FREQ=MONTHLY;BYDAY=-99MO;BYSETPOS=400",
                                    "DTSTART:00010101T000000",
                                    "DTEND;VALUE=DATE:99991231",
                                    "DURATION:P99999999D",
                                    "EXDATE:not a date",
                                    "RRULE:FREQ=WEEKLY;UNTIL=00000000",
                                    "DTSTART;TZID=Nowhere/Land:20270101T120000",
                                    "SUMMARY:\xff\xfe\xc3"};

// One random change: a byte flipped, the text cut, a line doubled or
// dropped, a number made huge, a poison line, or components nested deep.
QByteArray Mutate(QByteArray text, QRandomGenerator& random) {
    QList<QByteArray> lines = text.split('\n');
    const int at = random.bounded(static_cast<int>(lines.size()));
    switch (random.bounded(7)) {
        case 0:
            text[random.bounded(static_cast<int>(text.size()))] ^= char(1 << random.bounded(8));
            return text;
        case 1:
            return text.left(random.bounded(static_cast<int>(text.size())));
        case 2:
            lines.insert(at, lines[at]);
            break;
        case 3:
            lines.removeAt(at);
            break;
        case 4:
            lines[at] = QString::fromLatin1(lines[at])
                            .replace(QRegularExpression(QStringLiteral("[0-9]+")),
                                     QStringLiteral("99999999999"))
                            .toLatin1();
            break;
        case 5:
            lines.insert(at, kPoisonLines[random.bounded(int(std::size(kPoisonLines)))]);
            break;
        default:
            for (int i = 0; i < 200; ++i) lines.insert(at, "BEGIN:VEVENT");
    }
    return lines.join('\n');
}

TEST(HostileImport, MutatedFilesNeverCrashHangOrImportInPart) {
    TempDir dir;
    const QString path = dir.File(QStringLiteral("Diary.db"));
    diaryfiles::CreateDiary(path);
    CDiaryDatabase diary(path);
    // Durability is not under test here, and a sync per import would
    // dominate the run.
    QSqlQuery(diary.Connection()).exec(QStringLiteral("PRAGMA synchronous=OFF"));
    diaryfiles::RawConnection raw(path);
    const auto count = [&] {
        return raw.Value(QStringLiteral("SELECT count(*) FROM Diary")).toInt();
    };
    const ImportOptions options{false, "Europe/Berlin", QDate(2027, 1, 15)};
    QRandomGenerator random(20271215);
    int refused = 0;
    qint64 slowest = 0;
    for (int copy = 0; copy < kCopies; ++copy) {
        QByteArray text = GoldenBytes(QLatin1String(kGoldenFiles[copy % std::size(kGoldenFiles)]));
        for (int n = 1 + random.bounded(3); n > 0; --n) text = Mutate(text, random);
        // Emptied now and then to stay small; in between, earlier copies'
        // entries stand in it, so that a partial write would show.
        if (copy % 50 == 0)
            raw.Exec(QStringLiteral("DELETE FROM Diary"));
        const int before = count();
        QElapsedTimer timer;
        timer.start();
        try {
            const ImportSummary summary =
                ImportCalendar(text, QStringLiteral("x.ics"), options, diary);
            ASSERT_EQ(count(), before + summary.added) << text.toStdString();
        } catch (const CIcsError& error) {
            ++refused;
            ASSERT_TRUE(error.Description().startsWith(QLatin1String("x.ics, line ")));
            ASSERT_EQ(count(), before) << text.toStdString();
        }
        slowest = std::max(slowest, timer.elapsed());
    }
    EXPECT_LT(slowest, kSlowestImportMs);
    EXPECT_GT(refused, kCopies / 10) << "the mutations should damage many copies";
    EXPECT_LT(refused, kCopies) << "some copies should still be readable";
}
}  // namespace
