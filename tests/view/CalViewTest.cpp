#include <QFontMetrics>
#include <QMainWindow>
#include <QScrollBar>

#include "calendar/DateLib.h"
#include "commands/CommandIds.h"
#include "view/CalViewFixture.h"

namespace {
int Doy(int month, int day) {
    return DayOfYear(month, day, 2007);
}

struct Metrics {
    int cell = 0;
    int line = 0;
};
Metrics MetricsOf(const CCalView& view) {
    const QFontMetrics fm(view.RegularFont(), view.viewport());
    int cell = 0;
    const QString header = QString::fromLatin1(kWeekdayHeader);
    for (int i = 0; i + 3 <= header.size(); i += 3)
        cell = std::max(cell, fm.horizontalAdvance(header.mid(i, 3)));
    return {cell, fm.lineSpacing()};
}

using CalViewTest = CalViewFixture;
}  // namespace

TEST_F(CalViewTest, MonthPageGivesEveryDayOfTheMonthItsCellAndNoOtherDay) {
    CCalView& v = MakeView();
    Paint();
    const DayCellTable& cells = v.DayCells();
    const Metrics m = MetricsOf(v);
    for (int day = 1; day <= 31; ++day) {
        const PageRect r = cells[Doy(3, day)];
        ASSERT_FALSE(r.IsEmpty()) << day;
        EXPECT_EQ(r.right - r.left, 2 * m.cell / 3);
        EXPECT_EQ(r.bottom - r.top, m.line);
    }
    EXPECT_TRUE(cells[Doy(2, 28)].IsEmpty());
    EXPECT_TRUE(cells[Doy(4, 1)].IsEmpty());
    EXPECT_TRUE(cells[0].IsEmpty());
    // 1 March 2007 is a Thursday; 4 March the Sunday after, one row down.
    const PageRect first = cells[Doy(3, 1)];
    const PageRect sunday = cells[Doy(3, 4)];
    EXPECT_EQ(first.right - sunday.right, 4 * m.cell);
    EXPECT_EQ(sunday.top - first.top, m.line);
    EXPECT_EQ(cells[Doy(3, 2)].left - first.left, m.cell);
    EXPECT_EQ(v.MonthGap(), m.cell);
}

TEST_F(CalViewTest, PageIsCentredInTheWindow) {
    CCalView& v = MakeView(490, 390);
    Paint();
    const Metrics m = MetricsOf(v);
    const int width = v.viewport()->width();
    const int height = v.viewport()->height();
    const int blockWidth = 7 * m.cell;
    const int blockHeight = 10 * m.line;
    const int left = (width - blockWidth) / 2;
    const int top = (height - blockHeight) / 2;
    // The Saturday column ends at the block's right edge.
    EXPECT_EQ(v.DayCells()[Doy(3, 3)].right, left + blockWidth);
    const PageRect sponsor = v.SponsorLineRect();
    EXPECT_EQ(sponsor.top, top);
    EXPECT_NEAR((sponsor.left + sponsor.right) / 2, width / 2, 1);
    EXPECT_EQ(v.PhoneLineRect().top, top + 9 * m.line);
    // Week rows start two lines below the title line, three below the sponsor.
    EXPECT_EQ(v.DayCells()[Doy(3, 1)].top, top + 3 * m.line);
}

TEST_F(CalViewTest, NarrowWindowPutsTheGridAtTheLeftEdge) {
    CCalView& v = MakeView(60, 40);
    Paint();
    const Metrics m = MetricsOf(v);
    // Sunday 4 March: first column, so its cell ends one cell width from x 0.
    EXPECT_EQ(v.DayCells()[Doy(3, 4)].right, m.cell);
    EXPECT_EQ(v.SponsorLineRect().top, 0);
}

TEST_F(CalViewTest, ScrollSizesFollowTheViewMode) {
    Put(Key::YearView, QStringLiteral("False"));
    CCalView& v = MakeView();
    const Metrics m = MetricsOf(v);
    ScrollSizes s = v.CurrentScrollSizes();
    EXPECT_EQ(s.total, (PageSize{7 * m.cell, 10 * m.line}));
    EXPECT_EQ(s.page, (PageSize{m.cell, 10 * m.line / 8}));
    v.OnCommand(CommandId::YearView);
    s = v.CurrentScrollSizes();
    EXPECT_EQ(s.total, (PageSize{3 * 7 * m.cell + 2 * m.cell, 4 * 8 * m.line + 3 * m.cell}));
    EXPECT_EQ(s.page.width, s.total.width / 3);
    // A window smaller than the year grid scrolls.
    EXPECT_GT(v.verticalScrollBar()->maximum(), 0);
}

TEST_F(CalViewTest, YearGridPlacesMonthsRowByRow) {
    Put(Key::YearView, QStringLiteral("True"));
    Put(Key::MonthsAcross, QStringLiteral("4"));
    Put(Key::MonthsDown, QStringLiteral("2"));
    CCalView& v = MakeView(1400, 900);
    Paint();
    const Metrics m = MetricsOf(v);
    const DayCellTable& cells = v.DayCells();
    // Thursdays in the first week rows of January, February and May.
    const PageRect jan = cells[Doy(1, 4)];
    const PageRect feb = cells[Doy(2, 1)];
    const PageRect may = cells[Doy(5, 3)];
    EXPECT_EQ(feb.left - jan.left, 7 * m.cell + m.cell);
    EXPECT_EQ(feb.top, jan.top);
    EXPECT_EQ(may.left, jan.left);
    EXPECT_EQ(may.top - jan.top, 8 * m.line);
    // Four across and two down: September to December are not on the page.
    EXPECT_FALSE(cells[Doy(8, 31)].IsEmpty());
    EXPECT_TRUE(cells[Doy(9, 1)].IsEmpty());
    EXPECT_TRUE(cells[Doy(12, 31)].IsEmpty());
}

TEST_F(CalViewTest, YearViewToggleWritesTheSettingAndReloadsTheIndexAtOnce) {
    AddEntry(QStringLiteral("01******"), QStringLiteral("first of the month"));
    CCalView& v = MakeView();
    EXPECT_EQ(v.MonthIndex().Mark(Doy(3, 1)), 1);
    EXPECT_EQ(v.MonthIndex().Mark(Doy(6, 1)), 0);
    EXPECT_TRUE(v.OnCommand(CommandId::YearView));
    EXPECT_EQ(Stored(Key::YearView), QStringLiteral("True"));
    EXPECT_EQ(v.MonthIndex().Mark(Doy(6, 1)), 1);
    EXPECT_EQ(v.MonthIndex().Mark(Doy(12, 1)), 1);
    v.OnCommand(CommandId::YearView);
    EXPECT_EQ(Stored(Key::YearView), QStringLiteral("False"));
    EXPECT_EQ(v.Dates().ShownMonth(), 3);
    EXPECT_EQ(v.MonthIndex().Mark(Doy(6, 1)), 0);
}

TEST_F(CalViewTest, SwitchingToAYearGridWithoutTheShownMonthLeavesNoGhostCells) {
    clock.now = QDateTime(QDate(2007, 12, 5), QTime(9, 0));
    Put(Key::MonthsAcross, QStringLiteral("4"));
    Put(Key::MonthsDown, QStringLiteral("2"));
    CCalView& v = MakeView(1400, 900);
    Paint();
    ASSERT_FALSE(v.DayCells()[Doy(12, 5)].IsEmpty());
    v.OnCommand(CommandId::YearView);
    Paint();
    EXPECT_FALSE(v.DayCells()[Doy(8, 31)].IsEmpty());
    for (int day = 1; day <= 31; ++day) EXPECT_TRUE(v.DayCells()[Doy(12, day)].IsEmpty()) << day;
}

TEST_F(CalViewTest, FrameTitleNamesTheDiary) {
    QMainWindow frame;
    auto* v = new CCalView(services, settings, &frame);
    frame.setCentralWidget(v);
    frame.resize(490, 390);
    v->viewport()->grab();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Cal ") + diaryPath);
}

TEST_F(CalViewTest, DispatchRoutesKnownCommandsAndReportsFailures) {
    services.tunes = nullptr;  // Check Diary then has no way to play tunes and fails
    CCalView& v = MakeView();
    EXPECT_FALSE(v.OnCommand(CommandId::Fonts + 100000));
    EXPECT_TRUE(CCalView::RoutesCommand(CommandId::Print));
    EXPECT_TRUE(v.OnCommand(CommandId::CheckDiary));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Calendar"));
}

TEST_F(CalViewTest, UnusableDiaryStillOpensThePageAndSaysWhy) {
    Put(Key::DiaryName, dir.File(QStringLiteral("missing/folder/Diary.db")));
    CCalView& v = MakeView();
    Paint();
    EXPECT_FALSE(v.DayCells()[Doy(3, 5)].IsEmpty());
    ASSERT_FALSE(prompts.messages.isEmpty());
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Calendar"));
}

TEST_F(CalViewTest, StartUpChecksTodayQuietly) {
    MakeView();
    EXPECT_TRUE(prompts.messages.isEmpty()) << "nothing due: no box";
    AddEntry(QStringLiteral("05032007"), QStringLiteral("Dentist"));
    MakeView();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("Dentist")));
}
