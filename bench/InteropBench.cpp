// SPDX-License-Identifier: GPL-3.0-or-later
// iCalendar export and import of a 100,000-entry diary (diary_bench --make-diary
// writes one).
//   interop_bench --diary PATH [benchmark flags]  the two benchmarks
//   interop_bench --export DIARY FILE              export once and stop
//   interop_bench --import FILE DIARY              import into a new DIARY once
// The one-shot modes run as processes of their own so that each one's peak
// memory can be read (bench/run.sh runs them under /usr/bin/time).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cstdio>
#include <cstring>
#include <vector>

#include "diary/DiaryDatabase.h"
#include "interop/CalendarExport.h"
#include "interop/CalendarImport.h"
#include "interop/EntryTable.h"

namespace {
void CreateEmptyDiary(const QString& path) {
    QFile::remove(path);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.close();
}

ExportSummary ExportDiary(const QString& diaryPath, const QString& filePath) {
    CDiaryDatabase diary(diaryPath);
    QFile out(filePath);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    return WriteCalendar(CEntryTable(diary).ReadAll(), DiaryUidTag(diaryPath),
                         QDateTime::currentDateTimeUtc(), out);
}

ImportSummary ImportFile(const QString& filePath, const QString& diaryPath) {
    CreateEmptyDiary(diaryPath);
    CDiaryDatabase diary(diaryPath);
    QFile in(filePath);
    in.open(QIODevice::ReadOnly);
    const ImportOptions options{false, QTimeZone::systemTimeZoneId(), QDate(2010, 3, 5)};
    return ImportCalendar(in.readAll(), filePath, options, diary);
}

QString g_diaryPath;

void Export_100000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.ics"));
    for (auto _ : state) benchmark::DoNotOptimize(ExportDiary(g_diaryPath, file).written);
}
BENCHMARK(Export_100000)->Unit(benchmark::kMillisecond)->Iterations(3);

void Import_100000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.ics"));
    ExportDiary(g_diaryPath, file);
    for (auto _ : state) {
        const ImportSummary summary = ImportFile(file, dir.filePath(QStringLiteral("in.db")));
        benchmark::DoNotOptimize(summary.added);
    }
}
BENCHMARK(Import_100000)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--export") == 0) {
        const ExportSummary summary =
            ExportDiary(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        std::printf("%s\n", qPrintable(summary.Text()));
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--import") == 0) {
        const ImportSummary summary =
            ImportFile(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        std::printf("%s\n", qPrintable(summary.Text()));
        return 0;
    }
    if (argc < 3 || std::strcmp(argv[1], "--diary") != 0) {
        std::fprintf(stderr, "usage: interop_bench --diary PATH [benchmark flags]\n");
        return 2;
    }
    g_diaryPath = QString::fromLocal8Bit(argv[2]);
    std::vector<char*> flags{argv[0]};
    flags.insert(flags.end(), argv + 3, argv + argc);
    int flagCount = static_cast<int>(flags.size());
    benchmark::Initialize(&flagCount, flags.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
