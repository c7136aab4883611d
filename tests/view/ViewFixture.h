// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QTest>

#include "platform/PlatformServices.h"
#include "settings/SettingsKeys.h"
#include "support/DiaryFixture.h"
#include "support/FakeClock.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/FakeTunes.h"
#include "view/CalView.h"

// A real view in a plain main window, with faked services, its own settings
// and its own diary. The clock shows Monday 5 March 2007, 09:16.
class ViewFixture : public DiaryFixture {
protected:
    void AddEntry(const QString& date, const QString& message, int holiday = 0) {
        Add({{date, message, QString(), holiday}});
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

    // Paints the view as the screen would and returns the viewport's pixels.
    QImage Paint() { return view->viewport()->grab().toImage(); }

    // The centre of a day's cell, in the view's client coordinates.
    QPoint CellCentre(int dayOfYear) const {
        const PageRect cell = view->DayCells()[dayOfYear];
        return QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    }

    FakePrompts prompts;
    FakeClock clock;
    FakeDateOrder dateOrder;
    FakeTunes tunes;
    PlatformServices services{&prompts, &clock, &dateOrder, &colours, &tunes};
    QMainWindow frame;
    CCalView* view = nullptr;
};
