#include <gtest/gtest.h>

#include <QMenuBar>
#include <QProcess>
#include <QSignalSpy>
#include <csignal>

#include "app/CalDocTemplate.h"
#include "app/MainFrame.h"
#include "app/PrintCommand.h"
#include "app/QuitSignals.h"
#include "diary/DiaryLocation.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/FakeClock.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/FakeTunes.h"
#include "support/TempDir.h"
#include "view/CalView.h"

namespace {
const QString kWindow = QString::fromLatin1(CSettingsStore::kWindowSection);

class CalWindowTest : public ::testing::Test {
protected:
    CalWindowTest() {
        store.WriteText(CSettingsStore::kSettingsSection, QString::fromLatin1(Key::DiaryName),
                        diaryPath);
        EnsureDiaryFileExists(diaryPath);
    }
    std::unique_ptr<CCalDocTemplate> Open() {
        auto docTemplate = std::make_unique<CCalDocTemplate>(store, settings, services);
        docTemplate->OpenDocument();
        return docTemplate;
    }

    TempDir dir;
    QString diaryPath = dir.File(QStringLiteral("Diary.db"));
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};
    FakePrompts prompts;
    FakeClock clock;
    FakeDateOrder dateOrder;
    FakeTunes tunes;
    PlatformServices services{&prompts, &clock, &dateOrder, &colours, &tunes};
};
}  // namespace

TEST_F(CalWindowTest, FirstStartOpensAtTheDefaultPlaceWithoutMenuOrTitleBar) {
    auto docTemplate = Open();
    CMainFrame* frame = docTemplate->Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(10, 10, 490, 390));
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(frame->menuBar()->isHidden());
    EXPECT_EQ(docTemplate->View()->Dates().ShownMonth(), 3);
    for (const char* key : {Key::OnTop, Key::Menu, Key::MonthsDown, Key::MarqueeFileName, Key::Font,
                            Key::FontSize, Key::MarqueeBackgroundColor})
        EXPECT_TRUE(store.Contains(CSettingsStore::kSettingsSection, QString::fromLatin1(key)))
            << key;
    EXPECT_EQ(store.ReadText(CSettingsStore::kSettingsSection, QString::fromLatin1(Key::Menu)),
              QStringLiteral("False"));
}

TEST_F(CalWindowTest, ClosingSavesThePlacementAndTheNextStartRestoresIt) {
    {
        auto docTemplate = Open();
        docTemplate->Frame()->setGeometry(5, 20, 595, 460);
    }
    EXPECT_EQ(store.ReadText(kWindow, QString::fromLatin1(WindowKey::Rect)),
              QStringLiteral("0005 0020 0600 0480"));
    EXPECT_EQ(store.ReadInt(kWindow, QString::fromLatin1(WindowKey::Max), -1), 0);
    auto again = Open();
    EXPECT_EQ(again->Frame()->geometry(), QRect(5, 20, 595, 460));
}

TEST_F(CalWindowTest, ClosedMaximizedOpensMaximizedAndRestoresToItsNormalPlace) {
    {
        auto docTemplate = Open();
        docTemplate->Frame()->setGeometry(30, 40, 400, 300);
        docTemplate->Frame()->showMaximized();
    }
    EXPECT_EQ(store.ReadInt(kWindow, QString::fromLatin1(WindowKey::Max), -1), 1);
    EXPECT_EQ(store.ReadInt(kWindow, QString::fromLatin1(WindowKey::Icon), -1), 0);
    auto again = Open();
    EXPECT_TRUE(again->Frame()->isMaximized());
    again->Frame()->showNormal();
    EXPECT_EQ(again->Frame()->geometry(), QRect(30, 40, 400, 300));
}

TEST_F(CalWindowTest, PlacementOffEveryScreenOpensAtTheDefaultPlace) {
    store.WriteText(kWindow, QString::fromLatin1(WindowKey::Rect),
                    QStringLiteral("9000 9000 9490 9390"));
    auto docTemplate = Open();
    EXPECT_EQ(docTemplate->Frame()->geometry(), QRect(10, 10, 490, 390));
}

TEST_F(CalWindowTest, MenuModeShowsTheMenuBarAndTitleBar) {
    store.WriteText(CSettingsStore::kSettingsSection, QString::fromLatin1(Key::Menu),
                    QStringLiteral("True"));
    auto docTemplate = Open();
    EXPECT_FALSE(docTemplate->Frame()->menuBar()->isHidden());
    EXPECT_FALSE(docTemplate->Frame()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(docTemplate->Frame()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(CalWindowTest, OnTopFlagIsAppliedAtCreation) {
    store.WriteText(CSettingsStore::kSettingsSection, QString::fromLatin1(Key::OnTop),
                    QStringLiteral("True"));
    auto docTemplate = Open();
    EXPECT_TRUE(docTemplate->Frame()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(QuitSignals, TermAndIntReachTheEventLoop) {
    CQuitSignals quitSignals;
    ASSERT_TRUE(quitSignals.IsInstalled());
    QSignalSpy spy(&quitSignals, &CQuitSignals::QuitRequested);
    std::raise(SIGTERM);
    EXPECT_TRUE(spy.wait(2000));
    std::raise(SIGINT);
    EXPECT_TRUE(spy.count() == 2 || spy.wait(2000));
}

namespace {
class PrintCommandTest : public CalWindowTest {
protected:
    int Run(const QStringList& arguments) {
        QTextStream out(&outText);
        QTextStream err(&errText);
        return RunPrintCommand(arguments, store, clock, dir.Path(), {out, err});
    }
    QString outText;
    QString errText;
};

QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
}  // namespace

TEST_F(PrintCommandTest, PrintsTheNamedMonthOrTheWholeYear) {
    const QString month = dir.File(QStringLiteral("m.pdf"));
    EXPECT_EQ(Run({QStringLiteral("--pdf"), month, QStringLiteral("7"), QStringLiteral("2009")}), 0)
        << errText.toStdString();
    EXPECT_TRUE(PdfText(month).contains(QStringLiteral("July 2009")));

    const QString thisMonth = dir.File(QStringLiteral("now.pdf"));
    EXPECT_EQ(Run({QStringLiteral("--pdf"), thisMonth}), 0);
    EXPECT_TRUE(PdfText(thisMonth).contains(QStringLiteral("March 2007")));

    const QString year = dir.File(QStringLiteral("y.pdf"));
    EXPECT_EQ(Run({QStringLiteral("--year"), QStringLiteral("--pdf"), year}), 0);
    const QString text = PdfText(year);
    EXPECT_TRUE(text.contains(QStringLiteral("January 2007")));
    EXPECT_TRUE(text.contains(QStringLiteral("December 2007")));
    // Printing from the command line leaves the stored view mode alone.
    EXPECT_EQ(store.ReadText(CSettingsStore::kSettingsSection, QString::fromLatin1(Key::YearView)),
              QStringLiteral("False"));
}

TEST_F(PrintCommandTest, WithoutADiarySetTheDefaultDiaryIsUsed) {
    store.WriteText(CSettingsStore::kSettingsSection, QString::fromLatin1(Key::DiaryName),
                    QString());
    const QString pdf = dir.File(QStringLiteral("d.pdf"));
    EXPECT_EQ(Run({QStringLiteral("--pdf"), pdf}), 0);
    EXPECT_TRUE(errText.isEmpty()) << errText.toStdString();
    EXPECT_EQ(store.ReadText(CSettingsStore::kSettingsSection, QString::fromLatin1(Key::DiaryName)),
              DefaultDiaryPath(dir.Path()));
}

TEST_F(PrintCommandTest, BadArgumentsAreRefusedWithOneLine) {
    EXPECT_EQ(Run({}), 2);
    EXPECT_TRUE(errText.contains(QStringLiteral("--pdf")));
    errText.clear();
    EXPECT_EQ(Run({QStringLiteral("--pdf")}), 2);
    EXPECT_EQ(Run({QStringLiteral("--pdf"), dir.File(QStringLiteral("a.pdf")), QStringLiteral("13"),
                   QStringLiteral("2007")}),
              2);
    EXPECT_EQ(
        Run({QStringLiteral("--pdf"), dir.File(QStringLiteral("a.pdf")), QStringLiteral("3")}), 2);
    EXPECT_EQ(Run({QStringLiteral("--pdf"), dir.File(QStringLiteral("a.pdf")),
                   QStringLiteral("--landscape")}),
              2);
    EXPECT_FALSE(QFile::exists(dir.File(QStringLiteral("a.pdf"))));
    EXPECT_EQ(Run({QStringLiteral("--pdf"), dir.File(QStringLiteral("none/a.pdf"))}), 1);
    EXPECT_TRUE(errText.contains(QStringLiteral("a.pdf")));
}
