// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "platform/PlatformServices.h"

class CDiarySetHolder;
class CSettingsHelper;
class CViewAlarms;
class CViewMarquee;
class CViewSync;
class QAbstractScrollArea;

// The parts of the window that run on timers of their own: the marquee band,
// the alarm check once a minute and the CalDAV sync. A view started quietly
// for printing creates none of them, so every call is safe without them.
class CViewTimedParts {
public:
    // What the parts need of the view's page and diary.
    struct Hooks {
        std::function<QSize()> pageSize;
        std::function<bool(const QPoint&)> isPromotionLine;
        std::function<QString()> diaryPath;  // throws when no diary is open
        std::function<void()> reloadMarks;
        std::function<void(const QString&)> report;
    };

    // `view`, `settings` and `services` must outlive the parts.
    CViewTimedParts(QAbstractScrollArea& view, CSettingsHelper& settings,
                    const PlatformServices& services, Hooks hooks);
    ~CViewTimedParts();

    // Window start: the marquee with its first text, then (when there is a
    // box to tell them in) the alarms and the sync.
    void Create(CDiarySetHolder& diary, const QFont& marqueeFont);
    void SetMarqueeFont(const QFont& marqueeFont);
    void StartMarquee();

    void SynchroniseNow();
    void FocusGained();
    // A Diary Entry dialog is open or closed: no sync changes the diary meanwhile.
    void SetEditing(bool open);

    CViewMarquee* Marquee() const { return m_marquee.get(); }
    CViewSync* Sync() const { return m_sync.get(); }

private:
    void CreateMarquee(const QFont& marqueeFont);
    void CreateSync();

    QAbstractScrollArea& m_view;
    CSettingsHelper& m_settings;
    PlatformServices m_services;
    Hooks m_hooks;

    std::unique_ptr<CViewAlarms> m_alarms;
    std::unique_ptr<CViewMarquee> m_marquee;
    std::unique_ptr<CViewSync> m_sync;
};
