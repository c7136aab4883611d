#include <QFile>
#include <QTest>

#include "commands/CommandIds.h"
#include "view/CalViewFixture.h"
#include "view/ViewMarquee.h"

namespace {

class CalViewMarqueeTest : public CalViewFixture {
protected:
    static int CountRows(const QImage& image, QColor colour) {
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            rows += image.pixelColor(image.width() / 2, y) == colour ? 1 : 0;
        return rows;
    }
};

}  // namespace

TEST_F(CalViewMarqueeTest, FirstStartRunsTheBandAt25msAndShowMarqueeSwitchesIt) {
    CCalView& view = MakeView();
    ASSERT_NE(view.Marquee(), nullptr);
    EXPECT_TRUE(view.Marquee()->Timer().isActive());
    EXPECT_EQ(view.Marquee()->Timer().interval(), 25);

    EXPECT_TRUE(CCalView::RoutesCommand(CommandId::ShowMarquee));
    EXPECT_TRUE(view.OnCommand(CommandId::ShowMarquee));
    EXPECT_FALSE(view.Marquee()->Timer().isActive());
    EXPECT_EQ(Stored(Key::MarqueeOn), "False");
    EXPECT_FALSE(view.Settings().marquee.on);
    view.OnCommand(CommandId::ShowMarquee);
    EXPECT_TRUE(view.Marquee()->Timer().isActive());
    EXPECT_EQ(Stored(Key::MarqueeOn), "True");
}

TEST_F(CalViewMarqueeTest, BandIsPaintedBelowThePageInItsColoursOnlyWhileOn) {
    Put(Key::MarqueeMess, "Hello from the band");
    Put(Key::MarqueeBackgroundColor, QString::number(Rgb(255, 0, 0)));
    CCalView& view = MakeView(490, 600);
    QTest::qWait(120);
    const QRect band = view.Marquee()->BandRect();
    EXPECT_EQ(band.bottom(), view.viewport()->height() - 1);
    const int redRows = CountRows(Paint(), QColor(255, 0, 0));
    EXPECT_GT(redRows, band.height() / 2);
    EXPECT_LE(redRows, band.height());

    view.OnCommand(CommandId::ShowMarquee);
    EXPECT_EQ(CountRows(Paint(), QColor(255, 0, 0)), 0);
}

TEST_F(CalViewMarqueeTest, OptionsReloadRestartsTheTimerWithTheNewInterval) {
    CCalView& view = MakeView();
    Put(Key::MarqueeSecs, "40");
    view.ReloadOptions();
    EXPECT_EQ(view.Marquee()->Timer().interval(), 40);
    Put(Key::MarqueeOn, "False");
    view.ReloadOptions();
    EXPECT_FALSE(view.Marquee()->Timer().isActive());
}

TEST_F(CalViewMarqueeTest, FileWithoutInternetStartsWithTheMessageAndQueuesTheFirstLine) {
    const QString path = dir.File("lines.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("First line\r\nSecond line\r\n");
    file.close();
    Put(Key::UseFile, "True");
    Put(Key::MarqueeFileName, path);
    Put(Key::UseInternet, "False");
    Put(Key::MarqueeMess, "Stored message");
    CCalView& view = MakeView();
    EXPECT_EQ(view.Marquee()->Marquee().Band().ShownText(), "Stored message");
    EXPECT_EQ(view.Marquee()->Marquee().Band().PendingText(), "First line");
}

TEST_F(CalViewMarqueeTest, MissingMarqueeFileIsReportedOnceAndTheWindowOpens) {
    const QString path = dir.File("gone.txt");
    Put(Key::UseFile, "True");
    Put(Key::MarqueeFileName, path);
    Put(Key::MarqueeMess, "Fallback");
    CCalView& view = MakeView();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(path));
    EXPECT_EQ(view.Marquee()->Marquee().Band().ShownText(), "Fallback");
    EXPECT_TRUE(view.isVisible());
}
