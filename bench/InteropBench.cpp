// SPDX-License-Identifier: GPL-3.0-or-later
// iCalendar export and import of a 100,000-entry diary (diary_bench --make-diary
// writes one), through the calls `plenda export` and `plenda import` make.
//   interop_bench --diary PATH [benchmark flags]
// Each command's own time and peak memory: bench/run.sh runs the two commands
// under /usr/bin/time.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <vector>

#include "diary/DiaryDatabase.h"
#include "interop/CalendarFiles.h"

namespace {
void CreateEmptyDiary(const QString& path) {
    QFile::remove(path);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.close();
}

ExportSummary ExportToFile(const QString& diaryPath, const QString& filePath) {
    const CDiaryDatabase diary(diaryPath);
    return ExportDiaryToFile(diary, QDateTime::currentDateTimeUtc(), filePath);
}

ImportSummary ImportFile(const QString& filePath, const QString& diaryPath) {
    CreateEmptyDiary(diaryPath);
    CDiaryDatabase diary(diaryPath);
    const ImportOptions options = LocalImportOptions(false, QDate(2010, 3, 5));
    return ImportCalendar(ReadCalendarFile(filePath), filePath, options, diary);
}

QString g_diaryPath;

void Export_100000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.ics"));
    for (auto _ : state) benchmark::DoNotOptimize(ExportToFile(g_diaryPath, file).written);
}
BENCHMARK(Export_100000)->Unit(benchmark::kMillisecond)->Iterations(3);

void Import_100000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.ics"));
    ExportToFile(g_diaryPath, file);
    for (auto _ : state) {
        const ImportSummary summary = ImportFile(file, dir.filePath(QStringLiteral("in.db")));
        benchmark::DoNotOptimize(summary.added);
    }
}
BENCHMARK(Import_100000)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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
