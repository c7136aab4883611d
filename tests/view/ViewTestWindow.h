#pragma once

#include <QMainWindow>
#include <QTest>

#include "diary/DiaryDatabase.h"
#include "platform/PlatformServices.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/FakeTunes.h"
#include "support/TempDir.h"
#include "view/CalView.h"

// A real view in a plain main window, with faked services, its own settings
// and its own diary. The clock shows Monday 5 March 2007, 09:16.
class ViewTestWindow {
public:
    ViewTestWindow() {
        diaryfiles::CreateDiary(dir.File("Diary.db"));
        diaryfiles::PointSettingsAt(store, dir.File("Diary.db"));
        services.prompts = &prompts;
        services.clock = &clock;
        services.dateOrder = &dateOrder;
        services.colours = &colours;
        services.tunes = &tunes;
    }

    void AddEntry(const char* date, const char* message, int holiday = 0) {
        diaryfiles::RawConnection(dir.File("Diary.db"))
            .Add({QString::fromLatin1(date), QString::fromLatin1(message), QString(), holiday});
    }

    // Creates the view in its frame and shows it; the first paint fills the day cells.
    CCalView& Open(QSize size = QSize(490, 390)) {
        view = new CCalView(services, settings, &frame);
        frame.setCentralWidget(view);
        view->OnCreate();
        frame.resize(size);
        frame.show();
        (void)QTest::qWaitForWindowExposed(&frame);
        view->viewport()->repaint();
        return *view;
    }

    // The centre of a day's cell, in the view's client coordinates.
    QPoint CellCentre(int dayOfYear) const {
        const PageRect cell = view->DayCells()[dayOfYear];
        return QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    }

    QString Stored(const char* key) { return store.ReadText(QStringLiteral("Settings"), key); }

    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};
    FakePrompts prompts;
    FakeClock clock;
    FakeDateOrder dateOrder;
    FakeTunes tunes;
    PlatformServices services;
    QMainWindow frame;
    CCalView* view = nullptr;
};
