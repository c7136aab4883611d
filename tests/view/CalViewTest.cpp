// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

#include "calendar/DateLib.h"
#include "commands/CommandIds.h"
#include "diary/DiaryLocation.h"
#include "support/RadicaleServer.h"
#include "sync/DavTransport.h"
#include "view/ViewFixture.h"
#include "view/ViewMarquee.h"
#include "view/ViewSync.h"

namespace {
// Another client's event on 12 March 2007.
const QByteArray kEvent =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VEVENT\r\nUID:dentist\r\n"
    "DTSTAMP:20070101T000000Z\r\nDTSTART;VALUE=DATE:20070312\r\nSUMMARY:Dentist\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";

int Doy(int month, int day) {
    return DayOfYear(month, day, 2007);
}

QColor ColourOf(ColourRef c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

QString PdfText(const QString& pdf, const QString& mode) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {mode, pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Large glyphs in colours no anti-aliasing produces by chance; entries on
// 10 March, holidays on 15 and 27 March, both on 20 March.
class CalViewTest : public ViewFixture {
protected:
    CalViewTest() {
        // Black on white, the default, for days without a mark.
        const std::pair<Key, ColourRef> colours[] = {
            {Key::TodayTextColor, Rgb(200, 0, 0)},
            {Key::TodayBackgroundColor, Rgb(255, 255, 0)},
            {Key::DiaryEntryTextColor, Rgb(0, 0, 200)},
            {Key::DiaryEntryBackgroundColor, Rgb(0, 255, 255)},
            {Key::PublicHolidayTextColor, Rgb(0, 120, 0)},
            {Key::PublicHolidayBackgroundColor, Rgb(255, 0, 255)},
            {Key::MarqueeBackgroundColor, Rgb(255, 0, 0)}};
        for (const auto& [key, colour] : colours) Put(key, QString::number(colour));
        Put(Key::FontSize, "-40");
        AddEntry("10032007", "entry");
        AddEntry("15032007", "holiday", 1);
        AddEntry("20032007", "holiday", 1);
        AddEntry("20032007", "and an entry");
        AddEntry("27032007", "holiday only", 1);
    }

    // Every box shown, one a line, with the test's folder as "~".
    std::string Boxes() {
        return prompts.Shown().join('\n').replace(dir.Path(), "~").toStdString();
    }
    // The background just inside the top-right corner of a day's cell, above the digits.
    QColor CornerColour(const QImage& image, int day) {
        const PageRect r = view->DayCells()[Doy(3, day)];
        return image.pixelColor(r.right - 1, r.top + 1);
    }
    int PixelsOf(const QImage& image, int day, ColourRef colour) {
        const PageRect r = view->DayCells()[Doy(3, day)];
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                count += image.pixelColor(x, y) == ColourOf(colour) ? 1 : 0;
        return count;
    }
};

TEST_F(CalViewTest, EachMarkAndTodayGetTheirColoursThenThePictureShowsBehindTheText) {
    Open(QSize(900, 700));
    QImage image = Paint();
    // day, background, ink; today wins over nothing here, 21 March is plain
    const std::tuple<int, ColourRef, ColourRef> days[] = {{5, Rgb(255, 255, 0), Rgb(200, 0, 0)},
                                                          {10, Rgb(0, 255, 255), Rgb(0, 0, 200)},
                                                          {15, Rgb(255, 0, 255), Rgb(0, 120, 0)},
                                                          {20, Rgb(255, 0, 255), Rgb(0, 120, 0)},
                                                          {21, Rgb(255, 255, 255), Rgb(0, 0, 0)}};
    for (const auto& [day, background, ink] : days) {
        EXPECT_EQ(CornerColour(image, day), ColourOf(background)) << day;
        EXPECT_GT(PixelsOf(image, day, ink), 0) << day;
    }
    // 20 and 27 March share a column and colours; the bold digits hold more ink.
    EXPECT_GT(PixelsOf(image, 20, Rgb(0, 120, 0)), PixelsOf(image, 27, Rgb(0, 120, 0)));
    EXPECT_TRUE(view->DayCells()[Doy(2, 28)].IsEmpty() && view->DayCells()[Doy(4, 1)].IsEmpty());
    view->OnCommand(CommandId::ShowPicture);
    EXPECT_EQ(Stored(Key::ShowPicture), QStringLiteral("True"));
    image = Paint();
    EXPECT_NE(CornerColour(image, 10), ColourOf(Rgb(0, 255, 255))) << "no background boxes";
    EXPECT_NE(image.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_GT(PixelsOf(image, 10, Rgb(0, 0, 200)), 0);
}

TEST_F(CalViewTest, BandRunsBelowThePageInItsColourWhileShowMarqueeIsOn) {
    Put(Key::FontSize, "-11");
    CCalView& v = Open(QSize(490, 600));
    auto redRows = [this] {
        const QImage image = Paint();
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            rows += image.pixelColor(image.width() / 2, y) == QColor(255, 0, 0) ? 1 : 0;
        return rows;
    };
    (void)QTest::qWaitFor([&] { return redRows() > 0; }, 60000);
    const QRect band = v.Marquee()->BandRect();
    EXPECT_EQ(band.bottom(), v.viewport()->height() - 1);
    EXPECT_GT(redRows(), band.height() / 2);
    EXPECT_LE(redRows(), band.height());
    v.OnCommand(CommandId::ShowMarquee);
    EXPECT_FALSE(v.Marquee()->Timer().isActive());
    EXPECT_EQ(redRows(), 0);
}

TEST_F(CalViewTest, FitPageFillsTheWindowAndCtrlPlusStoresALargerSizeFromIt) {
    Put(Key::FitPage, "True");
    CCalView& v = Open(QSize(1200, 900));
    const QSize block(v.PageBlock().width, v.PageBlock().height), client = v.viewport()->size();
    EXPECT_EQ(block.boundedTo(client), block) << "fits";
    EXPECT_GT(std::max(block.width() * 10 / client.width(), block.height() * 10 / client.height()),
              8);
    EXPECT_GT(v.DayCells()[Doy(3, 31)].bottom - v.DayCells()[Doy(3, 1)].top, client.height() / 3);
    v.OnCommand(AcceleratorCommand(Qt::CTRL | Qt::Key_Plus));
    EXPECT_LT(settings.GetInt(Key::FontSize), -41) << "one pixel above the fitted size, not -40's";
    EXPECT_FALSE(v.CheckState().fitPage);
}

TEST_F(CalViewTest, YearViewShowsTheGridRowByRowAndReloadsTheIndex) {
    Put(Key::FontSize, "-11");
    Put(Key::MonthsAcross, "4");
    Put(Key::MonthsDown, "2");
    AddEntry("01******", "first of the month");
    clock.now = QDateTime(QDate(2007, 12, 5), QTime(9, 0));
    CCalView& v = Open(QSize(300, 200));
    EXPECT_EQ(v.MonthIndex().Mark(Doy(6, 1)), 0);
    EXPECT_TRUE(v.OnCommand(CommandId::YearView));
    EXPECT_EQ(Stored(Key::YearView), QStringLiteral("True"));
    EXPECT_EQ(v.MonthIndex().Mark(Doy(6, 1)), 1);
    Paint();
    EXPECT_EQ(v.DayCells()[Doy(5, 3)].left, v.DayCells()[Doy(1, 4)].left);
    EXPECT_GT(v.DayCells()[Doy(5, 3)].top, v.DayCells()[Doy(4, 5)].top);
    for (int day = 1; day <= 31; ++day) EXPECT_TRUE(v.DayCells()[Doy(12, day)].IsEmpty()) << day;
    EXPECT_GT(v.verticalScrollBar()->maximum(), 0) << "a window smaller than the grid scrolls";
    v.verticalScrollBar()->setValue(v.verticalScrollBar()->maximum());
    EXPECT_LE(v.PhoneLineRect().bottom, v.verticalScrollBar()->value() + v.viewport()->height())
        << "scrolled to the end, the phone line is in view";
}

TEST_F(CalViewTest, PrintedMonthAndYearCarryTheirTextsAndLeaveTheScreenAlone) {
    Put(Key::FontSize, "-11");
    CCalView& v = Open();
    const int screenSize = v.RegularFont().pixelSize();
    const PageRect cell = v.DayCells()[Doy(3, 15)];
    const QString pdf = dir.File(QStringLiteral("month.pdf"));
    ASSERT_TRUE(v.PrintToPdf(pdf));
    const QString text = PdfText(pdf, "-layout");
    EXPECT_TRUE(text.contains("March 2007") && text.contains("Su Mo Tu We Th Fr Sa") &&
                !text.contains("April"))
        << text.toStdString();
    // The paper's fonts and layout are its own: clicks still land on the window's days.
    EXPECT_TRUE(v.RegularFont().pixelSize() == screenSize && v.DayCells()[Doy(3, 15)] == cell);
    // The bold day prints as tall as the others: <word yMin="Y0" xMax=".." yMax="Y1">DAY</word>.
    const QRegularExpression word(
        QStringLiteral(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">(20|21)</word>)re"));
    QMap<QString, double> heights;
    for (const QRegularExpressionMatch& m : word.globalMatch(PdfText(pdf, "-bbox")))
        heights[m.captured(3)] = m.captured(2).toDouble() - m.captured(1).toDouble();
    ASSERT_GT(heights.value("21"), 0);
    EXPECT_NEAR(heights.value("20"), heights.value("21"), heights.value("21") * 0.1);
    v.OnCommand(CommandId::YearView);
    ASSERT_TRUE(v.PrintToPdf(pdf));
    EXPECT_TRUE(PdfText(pdf, "-layout").contains("December 2007"));
    EXPECT_FALSE(v.PrintToPdf(dir.File(QStringLiteral("no/such/folder/x.pdf"))));
    EXPECT_TRUE(prompts.messages.last().text.contains(QStringLiteral("x.pdf")));
}

TEST_F(CalViewTest, FailuresAreReportedAndTheWindowGoesOn) {
    Put(Key::DiaryName, dir.File(QStringLiteral("missing/folder/Diary.db")));
    Put(Key::UseFile, "True");
    Put(Key::MarqueeFileName, dir.File("gone.txt"));
    services.tunes = nullptr;  // Check Diary then has no way to play tunes and fails
    CCalView& v = Open();
    EXPECT_FALSE(v.DayCells()[Doy(3, 5)].IsEmpty());
    EXPECT_FALSE(v.OnCommand(CommandId::Fonts + 100000));
    EXPECT_TRUE(v.OnCommand(CommandId::CheckDiary));
    EXPECT_EQ(Boxes(),
              "Calendar: The marquee file \"~/gone.txt\" cannot be read:\nNo such file or "
              "directory\nCalendar: The diary file ~/missing/folder/Diary.db does not exist.\n"
              "Calendar: Diary entries cannot be checked without the sound service.");
}

// Without a marquee file the alarms still have a timer of their own.
TEST_F(CalViewTest, StartUpNamesTheDiaryShowsTodayAndItsAlarmThenChecksEveryMinute) {
    Open();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Cal ") + diaryPath);
    EXPECT_TRUE(prompts.messages.isEmpty()) << "nothing due: no box";
    Add({{"05032007", "Dentist", QString(), 0, "0930"}});
    Open();
    const auto* timer = view->findChild<QTimer*>(QStringLiteral("alarmTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive() && timer->interval() == 60 * 1000);
    QCoreApplication::processEvents();
    EXPECT_EQ(Boxes(),
              "Monday, March 5 2007: Dentist\n09:16 You have an appointment: 09:30 Dentist");
}

TEST_F(CalViewTest, SynchroniseNowPullsAnotherClientsEventAndMarksItsDay) {
    RadicaleServer server;
    const QUrl url = server.MakeCalendar(QStringLiteral("window"));
    CDavTransport other({url, RadicaleServer::User(), RadicaleServer::Password()}, 10000);
    ASSERT_EQ(other.SendOne({"PUT", url.resolved(QUrl("dentist.ics")), kEvent, {}}).status, 201);
    Put(Key::CalDavUrl, url.toString());
    Put(Key::CalDavUser, RadicaleServer::User());
    qputenv("PLENDA_CALDAV_PASSWORD", RadicaleServer::Password().toUtf8());
    CCalView& v = Open();
    ASSERT_EQ(v.MonthIndex().Mark(Doy(3, 12)), kNoEntry);
    QSignalSpy ended(v.Sync(), &CViewSync::SyncEnded);
    EXPECT_TRUE(v.OnCommand(CommandId::SynchroniseNow));
    EXPECT_TRUE(v.Sync()->IsRunning()) << "the window goes on while the server answers";
    ASSERT_TRUE(ended.wait(30000));
    EXPECT_EQ(v.MonthIndex().Mark(Doy(3, 12)), kOrdinaryEntry);
    EXPECT_NE(Boxes().find("pulled 1"), std::string::npos) << Boxes();
    EXPECT_EQ(settings.ReadPlain(Key::CalDavLastSync), QStringLiteral("2007-03-05 09:16"));
}

// An import, and entries another program adds, reach the marks; an unchanged
// diary is not read again.
TEST_F(CalViewTest, ExportWritesTheChosenFileImportAndOtherProgramsMarkTheirDays) {
    const QString in = dir.Write(QStringLiteral("days.ics"), kEvent);
    const QString out = dir.File(QStringLiteral("out.ics"));
    CCalView& v = Open();
    prompts.fileAnswers = {out, in};
    prompts.yesNoAnswers = {true};
    EXPECT_TRUE(v.OnCommand(CommandId::ExportCalendar));
    EXPECT_TRUE(v.OnCommand(CommandId::ImportCalendar));
    EXPECT_TRUE(TempDir::Read(out).contains("SUMMARY:holiday only"));
    QStringList asked;
    for (const OpenFileRequest& request : prompts.fileRequests)
        asked << (request.save ? "save " : "open ") + request.filter + " in " + request.folder;
    EXPECT_EQ(asked, QStringList({"save iCalendar files (*.ics) in " + DocumentsFolder(),
                                  "open iCalendar files (*.ics) in " + dir.Path()}));
    EXPECT_EQ(
        Boxes(),
        "Export Calendar: ~/out.ics:\n5 entries exported.\nImport Calendar?No: Are the entries "
        "of days.ics public holidays?\n(1 event found)\nImport Calendar: ~/days.ics:\n1 "
        "added, 0 already present, 0 expanded, 0 skipped.");
    EXPECT_EQ(v.MonthIndex().Mark(Doy(3, 12)), kHolidayEntry);
    EXPECT_FALSE(v.ReloadIfDiaryChanged());
    AddEntry("22032007", "written by another program");
    EXPECT_TRUE(QTest::qWaitFor([&] { return v.MonthIndex().Mark(Doy(3, 22)) != kNoEntry; }, 5000));
    EXPECT_FALSE(v.ReloadIfDiaryChanged()) << "read once per change";
    prompts.fileAnswers = {dir.File(QStringLiteral("gone.ics"))};
    v.OnCommand(CommandId::ImportCalendar);
    EXPECT_TRUE(prompts.messages.size() == 4 &&
                prompts.Shown().last().contains(dir.File("gone.ics") + " cannot be read"))
        << "refused before any question";
}
}  // namespace
