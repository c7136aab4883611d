#include <QRegularExpression>

#include "calendar/DateLib.h"
#include "commands/CommandIds.h"
#include "view/CalViewFixture.h"

namespace {
int Doy(int month, int day) {
    return DayOfYear(month, day, 2007);
}

QColor ColourOf(ColourRef c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

class CalViewPaintTest : public CalViewFixture {
protected:
    CalViewPaintTest() {
        // Large glyphs and colours no anti-aliasing produces by chance.
        Put(Key::FontSize, QStringLiteral("-40"));
        Put(Key::TextColor, QString::number(Rgb(0, 0, 0)));
        Put(Key::BackgroundColor, QString::number(Rgb(255, 255, 255)));
        Put(Key::TodayTextColor, QString::number(Rgb(200, 0, 0)));
        Put(Key::TodayBackgroundColor, QString::number(Rgb(255, 255, 0)));
        Put(Key::DiaryEntryTextColor, QString::number(Rgb(0, 0, 200)));
        Put(Key::DiaryEntryBackgroundColor, QString::number(Rgb(0, 255, 255)));
        Put(Key::PublicHolidayTextColor, QString::number(Rgb(0, 120, 0)));
        Put(Key::PublicHolidayBackgroundColor, QString::number(Rgb(255, 0, 255)));
        AddEntry(QStringLiteral("05032007"), QStringLiteral("today's entry"));
        AddEntry(QStringLiteral("10032007"), QStringLiteral("entry"));
        AddEntry(QStringLiteral("15032007"), QStringLiteral("holiday"), true);
        AddEntry(QStringLiteral("20032007"), QStringLiteral("holiday"), true);
        AddEntry(QStringLiteral("20032007"), QStringLiteral("and an entry"));
    }

    // The colour just inside the top-right corner of a day's cell: its
    // background, above the digits.
    QColor CornerColour(const QImage& image, int dayOfYear) {
        const PageRect r = view->DayCells()[dayOfYear];
        return image.pixelColor(r.right - 1, r.top + 1);
    }
    int PixelsOf(const QImage& image, int dayOfYear, const QColor& colour) {
        const PageRect r = view->DayCells()[dayOfYear];
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x)
                count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
        return count;
    }
};
}  // namespace

TEST_F(CalViewPaintTest, EachMarkAndTodayGetTheirColours) {
    MakeView(900, 700);
    const QImage image = Paint();
    EXPECT_EQ(CornerColour(image, Doy(3, 5)), ColourOf(Rgb(255, 255, 0))) << "today wins";
    EXPECT_GT(PixelsOf(image, Doy(3, 5), ColourOf(Rgb(200, 0, 0))), 0);
    EXPECT_EQ(CornerColour(image, Doy(3, 10)), ColourOf(Rgb(0, 255, 255)));
    EXPECT_GT(PixelsOf(image, Doy(3, 10), ColourOf(Rgb(0, 0, 200))), 0);
    EXPECT_EQ(CornerColour(image, Doy(3, 15)), ColourOf(Rgb(255, 0, 255)));
    EXPECT_GT(PixelsOf(image, Doy(3, 15), ColourOf(Rgb(0, 120, 0))), 0);
    EXPECT_EQ(CornerColour(image, Doy(3, 20)), ColourOf(Rgb(255, 0, 255)));
    EXPECT_EQ(CornerColour(image, Doy(3, 21)), ColourOf(Rgb(255, 255, 255)));
    EXPECT_GT(PixelsOf(image, Doy(3, 21), ColourOf(Rgb(0, 0, 0))), 0);
}

TEST_F(CalViewPaintTest, BothMarksDrawTheDayInBold) {
    // 20 March carries both kinds, 27 March (same column) a holiday only:
    // the same colours, but the bold digits hold more ink.
    AddEntry(QStringLiteral("27032007"), QStringLiteral("holiday only"), true);
    MakeView(900, 700);
    const QImage image = Paint();
    const QColor ink = ColourOf(Rgb(0, 120, 0));
    const int bold = PixelsOf(image, Doy(3, 20), ink);
    const int regular = PixelsOf(image, Doy(3, 27), ink);
    EXPECT_GT(regular, 0);
    EXPECT_GT(bold, regular);
}

TEST_F(CalViewPaintTest, PictureShowsBehindTransparentText) {
    CCalView& v = MakeView(900, 700);
    v.OnCommand(CommandId::ShowPicture);
    EXPECT_EQ(Stored(Key::ShowPicture), QStringLiteral("True"));
    const QImage image = Paint();
    // No background boxes: the marked day's corner shows the picture.
    EXPECT_NE(CornerColour(image, Doy(3, 10)), ColourOf(Rgb(0, 255, 255)));
    EXPECT_NE(image.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_GT(PixelsOf(image, Doy(3, 10), ColourOf(Rgb(0, 0, 200))), 0);
    v.OnCommand(CommandId::ShowPicture);
    EXPECT_EQ(Stored(Key::ShowPicture), QStringLiteral("False"));
    EXPECT_EQ(Paint().pixelColor(2, 2), QColor(Qt::white));
}

TEST_F(CalViewPaintTest, PrintedMonthCarriesItsTitleAndLeavesTheScreenFontsAlone) {
    Put(Key::FontSize, QStringLiteral("-11"));
    CCalView& v = MakeView();
    Paint();
    const int screenSize = v.RegularFont().pixelSize();
    const int gap = v.MonthGap();
    const QString pdf = dir.File(QStringLiteral("month.pdf"));
    ASSERT_TRUE(v.PrintToPdf(pdf));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("March 2007"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Su Mo Tu We Th Fr Sa")));
    EXPECT_FALSE(text.contains(QStringLiteral("April")));
    EXPECT_EQ(v.RegularFont().pixelSize(), screenSize);
    EXPECT_EQ(v.MonthGap(), gap);
    EXPECT_FALSE(v.IsPrinting());
}

TEST_F(CalViewPaintTest, PrintedBoldDayIsAsTallAsTheOthers) {
    CCalView& v = MakeView();
    const QString pdf = dir.File(QStringLiteral("bold.pdf"));
    ASSERT_TRUE(v.PrintToPdf(pdf));
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString boxes = QString::fromUtf8(process.readAllStandardOutput());
    // Each word: <word xMin=".." yMin="Y0" xMax=".." yMax="Y1">TEXT</word>
    const QRegularExpression word(
        QStringLiteral(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">(\d+)</word>)re"));
    double boldHeight = 0;
    double plainHeight = 0;
    for (const QRegularExpressionMatch& m : word.globalMatch(boxes)) {
        const double height = m.captured(2).toDouble() - m.captured(1).toDouble();
        if (m.captured(3) == QLatin1String("20"))
            boldHeight = height;
        if (m.captured(3) == QLatin1String("21"))
            plainHeight = height;
    }
    ASSERT_GT(plainHeight, 0);
    EXPECT_NEAR(boldHeight, plainHeight, plainHeight * 0.1);
}

TEST_F(CalViewPaintTest, PrintedYearHasEveryMonth) {
    Put(Key::FontSize, QStringLiteral("-11"));
    Put(Key::YearView, QStringLiteral("True"));
    CCalView& v = MakeView();
    const QString pdf = dir.File(QStringLiteral("year.pdf"));
    ASSERT_TRUE(v.PrintToPdf(pdf));
    const QString text = PdfText(pdf);
    for (const char* month : {"January 2007", "June 2007", "December 2007"})
        EXPECT_TRUE(text.contains(QLatin1String(month))) << month;
}

TEST_F(CalViewPaintTest, PrintingToAnUnwritableFileSaysSo) {
    CCalView& v = MakeView();
    EXPECT_FALSE(v.PrintToPdf(dir.File(QStringLiteral("no/such/folder/x.pdf"))));
    ASSERT_FALSE(prompts.messages.isEmpty());
    EXPECT_TRUE(prompts.messages.last().text.contains(QStringLiteral("x.pdf")));
}
