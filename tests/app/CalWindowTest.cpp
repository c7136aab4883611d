// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <signal.h>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QThread>
#include <csignal>

#include "app/CalApp.h"
#include "app/CalDocTemplate.h"
#include "app/MainFrame.h"
#include "app/PrintCommand.h"
#include "app/QuitSignals.h"
#include "diary/DiaryLocation.h"
#include "settings/SettingsKeys.h"
#include "support/CommandCapture.h"
#include "support/FullDisk.h"
#include "support/RowName.h"
#include "view/ViewFixture.h"

namespace {
const QString kWindow = QString::fromLatin1(CSettingsStore::kWindowSection);

class CalWindowTest : public ViewFixture {
protected:
    std::unique_ptr<CCalDocTemplate> OpenWindow() {
        auto docTemplate = std::make_unique<CCalDocTemplate>(store, settings, services);
        docTemplate->OpenDocument();
        return docTemplate;
    }
};

// A first start, or a placement off every screen, opens at the default place
// without menu or title bar; closing saves the placement, maximized or not,
// and the next start restores it.
TEST_F(CalWindowTest, OpensAtTheDefaultPlaceAndTheNextStartWhereThisOneClosed) {
    store.WriteText(kWindow, WindowKey::Rect, "9000 9000 9490 9390");
    {
        auto docTemplate = OpenWindow();
        CMainFrame* frame = docTemplate->Frame();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->geometry(), QRect(10, 10, 490, 390));
        EXPECT_TRUE(frame->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(frame->menuBar()->isHidden());
        EXPECT_EQ(docTemplate->View()->Dates().ShownMonth(), 3);
        frame->setGeometry(5, 20, 595, 460);
    }
    EXPECT_EQ(store.ReadText(kWindow, WindowKey::Rect), "0005 0020 0600 0480");
    EXPECT_EQ(OpenWindow()->Frame()->geometry(), QRect(5, 20, 595, 460));
    {
        auto docTemplate = OpenWindow();
        docTemplate->Frame()->setGeometry(30, 40, 400, 300);
        docTemplate->Frame()->showMaximized();
    }
    auto again = OpenWindow();
    EXPECT_TRUE(again->Frame()->isMaximized());
    again->Frame()->showNormal();
    EXPECT_EQ(again->Frame()->geometry(), QRect(30, 40, 400, 300));
}

// A first start writes its placement with the defaults, as start-up does,
// and closing where it opened writes nothing more.
TEST_F(CalWindowTest, AFirstStartWritesTheSettingsFileOnce) {
    store.BeginBatch();
    auto docTemplate = OpenWindow();
    store.EndBatch();
    EXPECT_TRUE(TempDir::Read(store.FilePath()).contains(WindowKey::Rect));
    QFile::remove(store.FilePath());
    docTemplate.reset();
    EXPECT_FALSE(QFile::exists(store.FilePath())) << "closed where it opened";
}

// On a full disk the window says once which settings file cannot be saved, and why.
TEST_F(CalWindowTest, TellsOnceThatTheSettingsCannotBeSaved) {
    const FullDisk disk(dir.File("full"));
    if (!disk.mounted)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    disk.Fill();
    CSettingsStore full(dir.File("full/Calendar.ini"));
    TellSettingsProblems(full, prompts);
    EXPECT_FALSE(full.WriteText(kWindow, WindowKey::Rect, "0005 0020 0600 0480"));
    EXPECT_FALSE(full.WriteInt(kWindow, WindowKey::Max, 1));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(full.FilePath()) &&
                prompts.messages[0].text.contains("No space left on device"))
        << prompts.messages[0].text.toStdString();
}

// Whether the process has a handler for `signalNumber` (its "SigCgt" mask).
bool WaitUntilCatching(qint64 pid, int signalNumber) {
    const QRegularExpression caught(QStringLiteral("SigCgt:\\s*([0-9a-f]+)"));
    // Polled for a minute: a loaded machine may be slow to start the program.
    for (int tries = 0; tries < 1200; ++tries, QThread::msleep(50)) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        const QRegularExpressionMatch mask =
            caught.match(status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray());
        if (mask.hasMatch() &&
            (mask.captured(1).toULongLong(nullptr, 16) >> (signalNumber - 1)) & 1)
            return true;
    }
    return false;
}

// TERM and INT reach the event loop; one TERM ends the program even while
// start-up asks for the diary.
TEST(QuitSignals, EndTheProgramEvenWhileStartUpAsksForTheDiary) {
    CQuitSignals quitSignals;
    ASSERT_TRUE(quitSignals.IsInstalled());
    QSignalSpy spy(&quitSignals, &CQuitSignals::QuitRequested);
    std::raise(SIGTERM);
    EXPECT_TRUE(spy.wait(2000));
    std::raise(SIGINT);
    EXPECT_TRUE(spy.count() == 2 || spy.wait(2000));
    TempDir dir;
    const QString settingsFile = dir.File("config/Quenmor/Calendar.ini");
    // In a folder that does not exist the probe fails, so start-up asks for a file.
    CSettingsStore(settingsFile)
        .WriteText(CSettingsStore::kSettingsSection, KeyName(Key::DiaryName),
                   dir.File("missing/Diary.db"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.File("config"));
    environment.insert("HOME", dir.Path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess plenda;
    plenda.setProcessEnvironment(environment);
    plenda.start(PLENDA_EXECUTABLE, QStringList());
    ASSERT_TRUE(plenda.waitForStarted());
    ASSERT_TRUE(WaitUntilCatching(plenda.processId(), SIGTERM));
    ::kill(static_cast<pid_t>(plenda.processId()), SIGTERM);
    const bool ended = plenda.waitForFinished(60000);
    if (!ended)
        plenda.kill();
    EXPECT_TRUE(ended);
    EXPECT_EQ(plenda.exitStatus(), QProcess::NormalExit);
    EXPECT_FALSE(CSettingsStore(settingsFile).Contains(kWindow, WindowKey::Rect))
        << "no window was opened";
}

class PrintCommandTest : public CalWindowTest {
protected:
    Captured Run(const QStringList& arguments) {
        return Capture([&](QTextStream& out, QTextStream& err) {
            return RunPrintCommand(arguments, store, clock, dir.Path(), {out, err});
        });
    }
};

QString PdfText(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {pdf, "-"});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(PrintCommandTest, PrintsTheNamedMonthOrTheWholeYearWithTheDefaultDiary) {
    Put(Key::DiaryName, QString());
    const QString pdf = dir.File("o.pdf");
    const Captured printed = Run({"--pdf", pdf, "7", "2009"});
    EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_TRUE(PdfText(pdf).contains("July 2009"));
    EXPECT_EQ(Stored(Key::DiaryName), DefaultDiaryPath(dir.Path()));
    EXPECT_EQ(Run({"--year", "--pdf", pdf}).status, 0);
    EXPECT_TRUE(PdfText(pdf).contains("December 2007"));
    // Printing from the command line leaves the stored view mode alone.
    EXPECT_EQ(Stored(Key::YearView), "False");
}

// One print command line, the status it must end with and what its error
// names; "~/" is the test's folder, where Other.db is a second diary. The
// month and year cases are the cal command's table, the options the option
// reader's every command shares; print reaches the same rules.
struct CommandRow {
    const char* name;
    QStringList arguments;
    int status;
    const char* says = "";
};

class PrintCommandRows : public PrintCommandTest,
                         public ::testing::WithParamInterface<CommandRow> {};

TEST_P(PrintCommandRows, TakeTheYearsAndTheDiaryOptionOfEveryCommand) {
    EnsureDiaryFileExists(dir.File("Other.db"));
    const Captured run =
        Run(QStringList(GetParam().arguments).replaceInStrings("~/", dir.Path() + '/'));
    EXPECT_EQ(run.status, GetParam().status) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(GetParam().says)) << run.err.toStdString();
    EXPECT_TRUE(GetParam().status == 0 || !QFile::exists(dir.File("o.pdf")))
        << "a refused print writes no file";
    EXPECT_EQ(Stored(Key::DiaryName), diaryPath) << "--diary is for one command only";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PrintCommandRows,
    ::testing::Values(
        CommandRow{"FirstYearView", {"--pdf", "~/o.pdf", "--year", "1", "1584"}, 0},
        CommandRow{"BeforeFirstYear", {"--pdf", "~/o.pdf", "12", "1583"}, 2},
        CommandRow{"WithDiary", {"--pdf", "~/o.pdf", "--diary", "~/Other.db"}, 0},
        CommandRow{"WithMissingDiary", {"--pdf", "~/o.pdf", "--diary", "~/no.db"}, 1},
        CommandRow{"DiaryWithoutPath", {"--pdf", "~/o.pdf", "--diary"}, 2},
        CommandRow{"WithoutWords", {}, 2, "--pdf"},
        CommandRow{"MonthWithoutYear", {"--pdf", "~/o.pdf", "3"}, 2, "both MONTH and YEAR"},
        CommandRow{"UnknownOption", {"--pdf", "~/o.pdf", "--landscape"}, 2, "'--landscape'"},
        CommandRow{"PdfIntoMissingFolder", {"--pdf", "~/none/a.pdf"}, 1, "a.pdf"}),
    RowName());
}  // namespace
