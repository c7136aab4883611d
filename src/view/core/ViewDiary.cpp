// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/ViewDiary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <exception>

#include "calendar/CalendarDates.h"
#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "diary/DiaryLocation.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "interop/CalendarTransfer.h"
#include "platform/PlatformServices.h"
#include "settings/SettingsHelper.h"

CViewDiary::CViewDiary(CSettingsStore& store, const PlatformServices& services,
                       CDiarySetHolder& diary, CMonthIndex& index, const CCalendarDates& dates,
                       const ViewSettings& settings, Hooks hooks)
    : m_store(store),
      m_services(services),
      m_diary(diary),
      m_index(index),
      m_dates(dates),
      m_settings(settings),
      m_hooks(std::move(hooks)) {}

void CViewDiary::Load() {
    CDiaryRecordset* set = nullptr;
    try {
        set = m_diary.GetDiarySet();
    } catch (...) {
        // The marks of the previous diary or period must not stay on the page.
        m_index.LoadMonthIndex(nullptr, m_dates.ShownMonth(), m_dates.ShownYear(),
                               m_settings.yearView);
        throw;
    }
    m_index.LoadMonthIndex(set, m_dates.ShownMonth(), m_dates.ShownYear(), m_settings.yearView);
    m_watchFailed = false;
}

void CViewDiary::Reload() {
    m_index.SetReady(false);
    Load();
    m_hooks.repaint();
}

bool CViewDiary::ReloadIfChanged() {
    if (m_watchFailed || !m_diary.HoldsSet())
        return false;
    try {
        if (m_index.IsCurrentFor(m_diary.GetDiarySet()))
            return false;
        Load();
    } catch (const std::exception& error) {
        m_watchFailed = true;
        m_hooks.report(QString::fromLocal8Bit(error.what()));
        return false;
    }
    m_hooks.repaint();
    return true;
}

void CViewDiary::Watch() {
    // Another program (the command line, a second window) may write the
    // diary while the window is open; asking SQLite whether it did is cheap.
    constexpr int kWatchMs = 2000;
    m_watch.setInterval(kWatchMs);
    QObject::connect(&m_watch, &QTimer::timeout, &m_watch, [this] { ReloadIfChanged(); });
    m_watch.start();
}

QString CViewDiary::OpenDiaryPath() {
    CDiaryRecordset* set = m_diary.GetDiarySet();
    if (!set || !set->IsOpen() || !set->Database())
        throw CDatabaseError(QCoreApplication::translate("CCalView", "No diary is open."));
    return set->Database()->FilePath();
}

void CViewDiary::OpenOther() {
    const ShownPeriod shown{m_dates.ShownMonth(), m_dates.ShownYear(), m_settings.yearView};
    bool opened = false;
    try {
        opened = OpenOtherDiary(m_store, *m_services.prompts, m_diary, m_index, shown);
    } catch (...) {
        // The marks were cleared: show the page without them, then report.
        m_hooks.diaryReplaced();
        throw;
    }
    if (opened)
        m_hooks.diaryReplaced();
}

// The dialogs start where the last calendar file was, or else in the
// documents folder: the working folder of a program started by the desktop
// means nothing to the user.
CCalendarTransfer CViewDiary::Transfer() const {
    const CSettingsHelper settings(m_store, *m_services.colours);
    QString folder = settings.ReadPlain(Key::CalendarFolder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = DocumentsFolder();
    return CCalendarTransfer(*m_services.prompts, *m_services.clock,
                             {folder, [settings](const QString& chosen) {
                                  settings.WriteSetting(Key::CalendarFolder, chosen);
                              }});
}

void CViewDiary::Import() {
    CDiaryDatabase diary(OpenDiaryPath());
    if (Transfer().Import(diary))
        Reload();
}

void CViewDiary::Export() {
    const CDiaryDatabase diary(OpenDiaryPath());
    Transfer().Export(diary);
}
