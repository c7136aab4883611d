// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's paints and its start-up, offscreen, over a diary of
// 10,000 entries (one in ten a wildcard pattern, dates spread over ten years).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <optional>
#include <random>

#include "app/CalDocTemplate.h"
#include "app/MainFrame.h"
#include "diary/DiaryDatabase.h"
#include "platform/Clock.h"
#include "platform/DateOrder.h"
#include "platform/Prompts.h"
#include "platform/SystemColours.h"
#include "platform/Tunes.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "view/CalView.h"

namespace {
constexpr int kEntries = 10000;

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

class FixedDateOrder : public IDateOrder {
public:
    DateOrder Current() const override { return DateOrder::DayMonthYear; }
};

void MakeDiary(const QString& path, int entries) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.close();
    CDiaryDatabase diary(path);
    QSqlDatabase db = diary.Connection();
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO Diary (EventDate, EventDescription, EventSound, PubHoliday, Nag, EventTime) "
        "VALUES (?, ?, '', ?, 0, '0000')"));
    std::mt19937 random(20100305);
    for (int i = 0; i < entries; ++i) {
        const int day = 1 + static_cast<int>(random() % 28);
        const int month = 1 + static_cast<int>(random() % 12);
        const int year = 2005 + static_cast<int>(random() % 10);
        const QString date = i % 10 == 0
                                 ? QStringLiteral("%1******").arg(day, 2, 10, QLatin1Char('0'))
                                 : QStringLiteral("%1%2%3")
                                       .arg(day, 2, 10, QLatin1Char('0'))
                                       .arg(month, 2, 10, QLatin1Char('0'))
                                       .arg(year);
        insert.addBindValue(date);
        insert.addBindValue(QStringLiteral("Diary entry number %1").arg(i));
        insert.addBindValue(i % 17 == 0 ? 1 : 0);
        insert.exec();
    }
    db.commit();
}

// A settings file and a diary of its own, made once for the run.
struct Setting {
    Setting() { UseDiaryOf(kEntries); }
    // Makes a diary of that many entries on first use and names it in the settings.
    void UseDiaryOf(int entries) {
        const QString path = dir.filePath(QStringLiteral("Diary%1.db").arg(entries));
        if (!QFile::exists(path))
            MakeDiary(path, entries);
        store.WriteText(CSettingsStore::kSettingsSection, KeyName(Key::DiaryName), path);
    }
    QTemporaryDir dir;
    CSettingsStore store{dir.filePath(QStringLiteral("Calendar.ini"))};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};
    SilentPrompts prompts;
    FixedClock clock;
    FixedDateOrder dateOrder;
    SilentTunes tunes;
    PlatformServices services{&prompts, &clock, &dateOrder, &colours, &tunes};

    void SetYearView(bool on) { settings.WriteBool(Key::YearView, on); }
};

Setting& Shared() {
    static Setting setting;
    return setting;
}

void PaintRepeatedly(benchmark::State& state, bool yearView, bool picture) {
    Setting& s = Shared();
    s.SetYearView(yearView);
    s.settings.WriteBool(Key::ShowPicture, picture);
    CCalView view(s.services, s.settings);
    view.resize(state.range(0), state.range(1));
    view.show();
    view.OnCreate();
    QPixmap target(view.viewport()->size());
    for (auto _ : state) {
        view.viewport()->render(&target);
        benchmark::DoNotOptimize(target.cacheKey());
    }
}

void BM_MonthPagePaint(benchmark::State& state) {
    PaintRepeatedly(state, false, false);
}
void BM_MonthPagePaintWithPicture(benchmark::State& state) {
    PaintRepeatedly(state, false, true);
}
void BM_YearViewPaint(benchmark::State& state) {
    PaintRepeatedly(state, true, false);
}

// From nothing to the first paint of the window: settings load, fonts, the
// quiet diary check, the month index over the diary of the given size, the
// frame at its place.
void BM_StartUpToFirstPaint(benchmark::State& state) {
    Setting& s = Shared();
    s.UseDiaryOf(static_cast<int>(state.range(0)));
    s.SetYearView(false);
    s.settings.WriteBool(Key::ShowPicture, false);
    for (auto _ : state) {
        CCalDocTemplate docTemplate(s.store, s.settings, s.services);
        docTemplate.OpenDocument();
        QPixmap first = docTemplate.View()->viewport()->grab();
        benchmark::DoNotOptimize(first.cacheKey());
        state.PauseTiming();
        docTemplate.CloseDocument();
        state.ResumeTiming();
    }
    s.UseDiaryOf(kEntries);
}
}  // namespace

BENCHMARK(BM_MonthPagePaint)->Args({490, 390})->Args({1200, 900})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MonthPagePaintWithPicture)->Args({490, 390})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_YearViewPaint)->Args({490, 390})->Args({1200, 900})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartUpToFirstPaint)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
