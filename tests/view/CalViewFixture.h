#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <memory>

#include "diary/DiaryLocation.h"
#include "diary/DiaryRecordset.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/FakeClock.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/FakeTunes.h"
#include "support/TempDir.h"
#include "view/CalView.h"

// A view on its own temporary settings and diary, with faked services. The
// clock stands on Monday 5 March 2007.
class CalViewFixture : public ::testing::Test {
protected:
    CalViewFixture() {
        Put(Key::DiaryName, diaryPath);
        EnsureDiaryFileExists(diaryPath);
        services = {&prompts, &clock, &dateOrder, &colours, &tunes};
    }

    void Put(const char* key, const QString& value) {
        store.WriteText(CSettingsStore::kSettingsSection, QString::fromLatin1(key), value);
    }
    QString Stored(const char* key) const {
        return store.ReadText(CSettingsStore::kSettingsSection, QString::fromLatin1(key));
    }
    void AddEntry(const QString& date, const QString& message, bool holiday = false) {
        CDiaryRecordset set(store);
        set.Open();
        set.AddNew();
        set.m_EventDate = date;
        set.m_EventDescription = message;
        set.m_PubHoliday = holiday;
        set.m_EventTime = QStringLiteral("    ");
        set.Update();
    }
    CCalView& MakeView(int width = 490, int height = 390) {
        view = std::make_unique<CCalView>(services, settings);
        view->resize(width, height);
        view->show();
        view->OnCreate();
        return *view;
    }
    // Paints the view as the screen would and returns the viewport's pixels.
    QImage Paint() { return view->viewport()->grab().toImage(); }
    static QString PdfText(const QString& pdf) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    TempDir dir;
    QString diaryPath = dir.File(QStringLiteral("Diary.db"));
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};
    FakePrompts prompts;
    FakeClock clock;
    FakeDateOrder dateOrder;
    FakeTunes tunes;
    PlatformServices services;
    std::unique_ptr<CCalView> view;
};
