// SPDX-License-Identifier: GPL-3.0-or-later
// The diary's reading passes over diaries of 1,000, 10,000 and 100,000
// entries: one in ten a wildcard pattern, dates spread over ten years.
//   diary_bench [benchmark flags]          run the benchmarks
//   diary_bench --make-diary PATH COUNT    write such a diary and stop
//   diary_bench --make-peers DIR COUNT     write DIR/Diary.db and the same
//                                          entries as DIR/entries.rem for Remind
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <random>

#include "diary/DiaryDatabase.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/Tunes.h"
#include "reminders/Reminders.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {
constexpr int kFirstYear = 2005;
constexpr int kYears = 10;
constexpr int kShownMonth = 3;
constexpr int kShownYear = 2010;

class FixedClock : public IClock {
public:
    QDateTime Now() const override { return QDateTime(QDate(2010, 3, 5), QTime(9, 16)); }
};

class SilentPrompts : public IPrompts {
public:
    void ShowMessage(const QString&, const QString&) override {}
    QString AskOpenFileName(const OpenFileRequest&) override { return {}; }
    std::optional<bool> AskYesNo(const QString&, const QString&, DefaultAnswer) override {
        return std::nullopt;
    }
    std::optional<ColourRef> AskColour(ColourRef) override { return std::nullopt; }
    std::optional<FontChoice> AskFont(const FontChoice&) override { return std::nullopt; }
};

class SilentTunes : public ITunes {
public:
    void StartSound(const QString&) override {}
    std::optional<QString> OpenVideo(const QString&) override { return std::nullopt; }
    std::optional<QString> PlaceVideo(int, int, int, int) override { return std::nullopt; }
    std::optional<QString> PlayVideoToEnd() override { return std::nullopt; }
    std::optional<QString> CloseVideo() override { return std::nullopt; }
};

QString WildcardPattern(std::mt19937& random, int day, int month) {
    switch (random() % 3) {
        case 0:
            return QStringLiteral("%1%2****")
                .arg(day, 2, 10, QLatin1Char('0'))
                .arg(month, 2, 10, QLatin1Char('0'));
        case 1:
            return QStringLiteral("%1******").arg(day, 2, 10, QLatin1Char('0'));
        default:
            return QStringLiteral("**%1****").arg(month, 2, 10, QLatin1Char('0'));
    }
}

// A new diary file filled in one transaction.
class DiaryWriter {
public:
    explicit DiaryWriter(const QString& path)
        : m_diary(Fresh(path)), m_insert(m_diary.Connection()) {
        m_diary.Connection().transaction();
        m_insert.prepare(QStringLiteral(
            "INSERT INTO Diary (EventDate, EventDescription, EventSound, PubHoliday, Nag, "
            "EventTime) VALUES (?, ?, '', ?, 0, ?)"));
    }
    ~DiaryWriter() { m_diary.Connection().commit(); }

    void Add(const QString& date, const QString& message, bool holiday, const QString& time) {
        m_insert.addBindValue(date);
        m_insert.addBindValue(message);
        m_insert.addBindValue(holiday ? 1 : 0);
        m_insert.addBindValue(time);
        m_insert.exec();
    }

private:
    static const QString& Fresh(const QString& path) {
        QFile::remove(path);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }
    CDiaryDatabase m_diary;
    QSqlQuery m_insert;
};

void MakeDiary(const QString& path, int count) {
    DiaryWriter diary(path);
    std::mt19937 random(20070305);
    for (int i = 0; i < count; ++i) {
        const int day = 1 + static_cast<int>(random() % 28);
        const int month = 1 + static_cast<int>(random() % 12);
        const int year = kFirstYear + static_cast<int>(random() % kYears);
        const QString date = i % 10 == 0 ? WildcardPattern(random, day, month)
                                         : QStringLiteral("%1%2%3")
                                               .arg(day, 2, 10, QLatin1Char('0'))
                                               .arg(month, 2, 10, QLatin1Char('0'))
                                               .arg(year);
        diary.Add(date, QStringLiteral("Diary entry number %1").arg(i), i % 17 == 0,
                  i % 5 == 0 ? QStringLiteral("0930") : QStringLiteral("0000"));
    }
}

// The entries of the comparison with Remind: nine in ten dated over ten
// years, one in twenty yearly, one in twenty monthly. Each entry goes into
// the diary and, in Remind's words, into the file beside it.
void MakePeers(const QString& dir, int count) {
    DiaryWriter diary(dir + QStringLiteral("/Diary.db"));
    QFile remind(dir + QStringLiteral("/entries.rem"));
    if (!remind.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::mt19937 random(20100505);
    for (int i = 0; i < count; ++i) {
        const int day = 1 + static_cast<int>(random() % 28);
        const int month = 1 + static_cast<int>(random() % 12);
        const int year = kFirstYear + static_cast<int>(random() % kYears);
        const QString dd = QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
        const QString mm = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
        const QString message = QStringLiteral("Diary entry number %1").arg(i);
        QString date = dd + mm + QString::number(year);
        QString trigger = QStringLiteral("%1 %2 %3").arg(day).arg(kMonths[month - 1]).arg(year);
        if (i % 20 == 0) {
            date = dd + mm + QStringLiteral("****");
            trigger = QStringLiteral("%1 %2").arg(day).arg(kMonths[month - 1]);
        } else if (i % 20 == 10) {
            date = dd + QStringLiteral("******");
            trigger = QString::number(day);
        }
        diary.Add(date, message, false, QStringLiteral("0000"));
        remind.write(QStringLiteral("REM %1 MSG %2\n").arg(trigger, message).toUtf8());
    }
}

// One diary per size, made on first use and kept for the run.
class Diaries {
public:
    static QString PathFor(int count) {
        static Diaries diaries;
        auto found = diaries.m_paths.find(count);
        if (found != diaries.m_paths.end())
            return found->second;
        const QString path = diaries.m_dir.filePath(QStringLiteral("Diary%1.db").arg(count));
        MakeDiary(path, count);
        diaries.m_paths[count] = path;
        return path;
    }

private:
    QTemporaryDir m_dir;
    std::map<int, QString> m_paths;
};

struct OpenDiary {
    explicit OpenDiary(int count)
        : settings(settingsDir.filePath(QStringLiteral("bench.ini"))), holder(settings) {
        settings.WriteText(QStringLiteral("Settings"), KeyName(Key::DiaryName),
                           Diaries::PathFor(count));
        holder.GetDiarySet();
    }
    QTemporaryDir settingsDir;
    CSettingsStore settings;
    CDiarySetHolder holder;
};

// Another connection's edit, as the Diary Entry dialog makes one: the next
// load must read the table again.
class Editor {
public:
    explicit Editor(const QString& path) : m_diary(path) {}
    void Touch() {
        QSqlQuery update(m_diary.Connection());
        update.exec(QStringLiteral("UPDATE Diary SET Nag = 1 - Nag WHERE ID = 1"));
    }

private:
    CDiaryDatabase m_diary;
};

void LoadMonthIndex(benchmark::State& state, bool yearView, bool afterEdit) {
    const int count = static_cast<int>(state.range(0));
    OpenDiary diary(count);
    Editor editor(Diaries::PathFor(count));
    CMonthIndex index;
    for (auto _ : state) {
        if (afterEdit) {
            state.PauseTiming();
            editor.Touch();
            state.ResumeTiming();
        }
        index.LoadMonthIndex(diary.holder.GetDiarySet(), kShownMonth, kShownYear, yearView);
        benchmark::DoNotOptimize(index.Mark(64));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// After an edit elsewhere the whole table is read again.
void BM_LoadMonthIndex_MonthView_AfterEdit(benchmark::State& state) {
    LoadMonthIndex(state, false, true);
}
void BM_LoadMonthIndex_YearView_AfterEdit(benchmark::State& state) {
    LoadMonthIndex(state, true, true);
}
// Stepping through months with the diary unchanged keeps the rows fetched last.
void BM_LoadMonthIndex_MonthView_Unchanged(benchmark::State& state) {
    LoadMonthIndex(state, false, false);
}
void BM_LoadMonthIndex_YearView_Unchanged(benchmark::State& state) {
    LoadMonthIndex(state, true, false);
}

void BM_GatherDayMessages(benchmark::State& state) {
    OpenDiary diary(static_cast<int>(state.range(0)));
    FixedClock clock;
    SilentPrompts prompts;
    SilentTunes tunes;
    CReminders reminders(diary.holder, prompts, clock, tunes);
    for (auto _ : state)
        benchmark::DoNotOptimize(reminders.GatherDayMessages(5, kShownMonth, kShownYear, true));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// clang-format off
BENCHMARK(BM_LoadMonthIndex_MonthView_AfterEdit)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMonthIndex_YearView_AfterEdit)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMonthIndex_MonthView_Unchanged)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMonthIndex_YearView_Unchanged)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GatherDayMessages)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
// clang-format on
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--make-diary") == 0) {
        MakeDiary(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--make-peers") == 0) {
        MakePeers(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
