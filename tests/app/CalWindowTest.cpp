// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <signal.h>
#include <QMenuBar>
#include <QProcess>
#include <QSignalSpy>
#include <QThread>
#include <csignal>

#include "app/CalDocTemplate.h"
#include "app/CommandLine.h"
#include "app/MainFrame.h"
#include "app/PrintCommand.h"
#include "app/QuitSignals.h"
#include "diary/DiaryLocation.h"
#include "settings/SettingsKeys.h"
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
}  // namespace

// A first start, or a placement off every screen, opens at the default place.
TEST_F(CalWindowTest, OpensAtTheDefaultPlaceWithoutMenuOrTitleBar) {
    store.WriteText(kWindow, QString::fromLatin1(WindowKey::Rect),
                    QStringLiteral("9000 9000 9490 9390"));
    auto docTemplate = OpenWindow();
    CMainFrame* frame = docTemplate->Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(10, 10, 490, 390));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(frame->menuBar()->isHidden());
    EXPECT_EQ(docTemplate->View()->Dates().ShownMonth(), 3);
}

TEST_F(CalWindowTest, ClosingSavesThePlacementAndTheNextStartRestoresIt) {
    {
        auto docTemplate = OpenWindow();
        docTemplate->Frame()->setGeometry(5, 20, 595, 460);
    }
    EXPECT_EQ(store.ReadText(kWindow, QString::fromLatin1(WindowKey::Rect)),
              QStringLiteral("0005 0020 0600 0480"));
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
// Whether the process has a handler for `signalNumber` (its "SigCgt" mask).
bool WaitUntilCatching(qint64 pid, int signalNumber) {
    for (int tries = 0; tries < 200; ++tries) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                if (line.startsWith("SigCgt:") &&
                    (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signalNumber - 1)) & 1)
                    return true;
            }
        }
        QThread::msleep(50);
    }
    return false;
}
}  // namespace

TEST(QuitSignals, OneTermEndsTheProgramWhileStartUpAsksForTheDiary) {
    TempDir dir;
    const QString settingsFile = dir.File(QStringLiteral("config/Quenmor/Calendar.ini"));
    // In a folder that does not exist the probe fails, so start-up asks for a file.
    CSettingsStore(settingsFile)
        .WriteText(CSettingsStore::kSettingsSection, KeyName(Key::DiaryName),
                   dir.File(QStringLiteral("missing/Diary.db")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.File(QStringLiteral("config")));
    environment.insert(QStringLiteral("HOME"), dir.Path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess plenda;
    plenda.setProcessEnvironment(environment);
    plenda.start(QStringLiteral(PLENDA_EXECUTABLE), QStringList());
    ASSERT_TRUE(plenda.waitForStarted());
    ASSERT_TRUE(WaitUntilCatching(plenda.processId(), SIGTERM));
    ::kill(static_cast<pid_t>(plenda.processId()), SIGTERM);
    const bool ended = plenda.waitForFinished(15000);
    if (!ended)
        plenda.kill();
    EXPECT_TRUE(ended);
    EXPECT_EQ(plenda.exitStatus(), QProcess::NormalExit);
    EXPECT_FALSE(
        CSettingsStore(settingsFile).Contains(kWindow, QString::fromLatin1(WindowKey::Rect)))
        << "no window was opened";
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

TEST_F(PrintCommandTest, PrintsTheNamedMonthOrTheWholeYearWithTheDefaultDiary) {
    Put(Key::DiaryName, QString());
    const QString month = dir.File(QStringLiteral("m.pdf"));
    EXPECT_EQ(Run({QStringLiteral("--pdf"), month, QStringLiteral("7"), QStringLiteral("2009")}), 0)
        << errText.toStdString();
    EXPECT_TRUE(PdfText(month).contains(QStringLiteral("July 2009")));
    EXPECT_EQ(Stored(Key::DiaryName), DefaultDiaryPath(dir.Path()));
    const QString year = dir.File(QStringLiteral("y.pdf"));
    EXPECT_EQ(Run({QStringLiteral("--year"), QStringLiteral("--pdf"), year}), 0);
    EXPECT_TRUE(PdfText(year).contains(QStringLiteral("December 2007")));
    // Printing from the command line leaves the stored view mode alone.
    EXPECT_EQ(Stored(Key::YearView), QStringLiteral("False"));
}

namespace {
// One command line, the status it must end with and what its error names;
// "~/" is the test's folder, where Other.db is a second diary. The month and
// year cases are the cal command's table; print reaches the same rules.
struct CommandRow {
    const char* name;
    QStringList arguments;
    int status;
    const char* says = "";
};

class EveryCommandTest : public PrintCommandTest, public ::testing::WithParamInterface<CommandRow> {
protected:
    int RunRow() {
        EnsureDiaryFileExists(dir.File(QStringLiteral("Other.db")));
        QStringList arguments = GetParam().arguments;
        arguments.replaceInStrings(QStringLiteral("~/"), dir.Path() + '/');
        if (arguments.takeFirst() == QLatin1String("print"))
            return Run(arguments);
        QTextStream out(&outText);
        QTextStream err(&errText);
        return RunCommand(QStringList{QStringLiteral("cal")} + arguments, {out, err});
    }
};

TEST_P(EveryCommandTest, SameYearsAndDiaryOption) {
    EXPECT_EQ(RunRow(), GetParam().status) << errText.toStdString();
    EXPECT_TRUE(errText.contains(GetParam().says)) << errText.toStdString();
    EXPECT_TRUE(GetParam().status == 0 || !QFile::exists(dir.File(QStringLiteral("o.pdf"))))
        << "a refused print writes no file";
    EXPECT_EQ(Stored(Key::DiaryName), diaryPath) << "--diary is for one command only";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EveryCommandTest,
    ::testing::Values(
        CommandRow{"PrintFirstYearView", {"print", "--pdf", "~/o.pdf", "--year", "1", "1584"}, 0},
        CommandRow{"PrintBeforeFirstYear", {"print", "--pdf", "~/o.pdf", "12", "1583"}, 2},
        CommandRow{"CalWithDiary", {"cal", "--diary", "~/Other.db"}, 0},
        CommandRow{"PrintWithDiary", {"print", "--pdf", "~/o.pdf", "--diary", "~/Other.db"}, 0},
        CommandRow{"PrintWithMissingDiary", {"print", "--pdf", "~/o.pdf", "--diary", "~/no.db"}, 1},
        CommandRow{"DiaryWithoutPath", {"cal", "--diary"}, 2},
        CommandRow{"PrintWithoutWords", {"print"}, 2, "--pdf"},
        CommandRow{
            "MonthWithoutYear", {"print", "--pdf", "~/o.pdf", "3"}, 2, "both MONTH and YEAR"},
        CommandRow{
            "UnknownOption", {"print", "--pdf", "~/o.pdf", "--landscape"}, 2, "'--landscape'"},
        CommandRow{"PdfIntoMissingFolder", {"print", "--pdf", "~/none/a.pdf"}, 1, "a.pdf"}),
    RowName());
}  // namespace
