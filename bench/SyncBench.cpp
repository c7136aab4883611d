// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "diary/DiaryDatabase.h"
#include "support/RadicaleServer.h"
#include "sync/DiarySync.h"
#include "sync/LocalEntries.h"

namespace {
constexpr int kEntries = 2000;
const QDate kToday(2027, 6, 1);

// One Radicale on loopback and one diary of 2,000 entries, shared by the
// benchmarks: the first push fills the calendar the second sync finds.
struct SyncSetup {
    RadicaleServer server;
    QTemporaryDir dir;
    QString diary = dir.filePath("Diary.db");
    DavAccount account{server.MakeCalendar("bench"), RadicaleServer::User(),
                       RadicaleServer::Password()};
    bool pushed = false;

    SyncSetup() {
        QFile(diary).open(QIODevice::WriteOnly);
        CDiaryDatabase database(diary);
        CLocalEntries entries(database);
        database.Connection().transaction();
        // Plain dates over 2027 and 2028, one in ten a yearly pattern, one
        // in five with an alarm time.
        for (int i = 0; i < kEntries; ++i) {
            const QDate day = QDate(2027, 1, 1).addDays(i % 700);
            QString date = day.toString("ddMMyyyy");
            if (i % 10 == 0)
                date = date.left(4) + "****";
            entries.Insert({date, QStringLiteral("Entry %1").arg(i), QString(), i % 17 == 0,
                            i % 5 == 0 ? "0930" : "0000"});
        }
        database.Connection().commit();
    }

    SyncCounts Sync(int* requests) { return SynchroniseDiary(diary, account, kToday, requests); }
};

SyncSetup& Setup() {
    static const auto setup = std::make_unique<SyncSetup>();
    return *setup;
}

void FirstPush_2000(benchmark::State& state) {
    int requests = 0;
    for (auto _ : state) {
        const SyncCounts counts = Setup().Sync(&requests);
        Setup().pushed = true;
        state.counters["pushed"] = counts.pushed;
    }
    state.counters["requests"] = requests;
}
BENCHMARK(FirstPush_2000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void SecondSync_2000_Unchanged(benchmark::State& state) {
    int requests = 0;
    if (!Setup().pushed) {
        Setup().Sync(&requests);
        Setup().pushed = true;
    }
    for (auto _ : state) Setup().Sync(&requests);
    state.counters["requests"] = requests;
}
BENCHMARK(SecondSync_2000_Unchanged)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
