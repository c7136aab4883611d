// SPDX-License-Identifier: GPL-3.0-or-later
// One marquee tick as the window runs it: the core's step and the band
// painted into its off-screen buffer (the copy to the screen is Qt's).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include "platform/Http.h"
#include "platform/Prompts.h"
#include "platform/SystemClock.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "view/ViewMarquee.h"

namespace {

// Nothing in a tick asks the user or the network; these only satisfy the types.
class CSilentPrompts : public IPrompts {
public:
    void ShowMessage(const QString&, const QString&) override {}
    QString AskOpenFileName(const OpenFileRequest&) override { return {}; }
    std::optional<bool> AskYesNo(const QString&, const QString&, DefaultAnswer) override {
        return std::nullopt;
    }
    std::optional<ColourRef> AskColour(ColourRef) override { return std::nullopt; }
    std::optional<FontChoice> AskFont(const FontChoice&) override { return std::nullopt; }
};

class CNoHttp : public IHttp {
public:
    HttpReply Get(const QString&, int, qint64) override { return {}; }
};

void MarqueeTick(benchmark::State& state) {
    QTemporaryDir dir;
    CSettingsStore store(dir.filePath(QStringLiteral("Calendar.ini")));
    CDefaultSystemColours colours;
    CSettingsHelper settings(store, colours);
    settings.WriteSetting(Key::MarqueeMess,
                          QStringLiteral("Spring sale at Acme Hardware: 20% off all desk lamps"));
    CSilentPrompts prompts;
    CSystemClock clock;
    CNoHttp http;
    QWidget viewport;
    viewport.resize(static_cast<int>(state.range(0)), 400);
    CViewMarquee::Hooks hooks;
    hooks.pageSize = [] { return QSize(420, 330); };
    CViewMarquee marquee(viewport, settings, prompts, clock, &http, PromotionServer{}, hooks);
    marquee.LoadInitialText();
    for (auto _ : state) marquee.Marquee().Tick();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(MarqueeTick)->Arg(420)->Arg(1280)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
