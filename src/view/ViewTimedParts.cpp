// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewTimedParts.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QInputDialog>

#include "platform/Prompts.h"
#include "settings/SettingsHelper.h"
#include "view/ViewAlarms.h"
#include "view/ViewMarquee.h"
#include "view/ViewSync.h"

CViewTimedParts::CViewTimedParts(QAbstractScrollArea& view, CSettingsHelper& settings,
                                 const PlatformServices& services, Hooks hooks)
    : m_view(view), m_settings(settings), m_services(services), m_hooks(std::move(hooks)) {}

CViewTimedParts::~CViewTimedParts() = default;

void CViewTimedParts::Create(CDiarySetHolder& diary, const QFont& marqueeFont) {
    CreateMarquee(marqueeFont);
    if (!m_services.prompts)
        return;
    m_alarms = std::make_unique<CViewAlarms>(diary, m_services, m_settings.Store(), m_hooks.report,
                                             &m_view);
    // Before today's box opens: the alarms run on while it waits for OK.
    m_alarms->Start();
    CreateSync();
}

void CViewTimedParts::CreateMarquee(const QFont& marqueeFont) {
    CViewMarquee::Hooks hooks;
    hooks.pageSize = m_hooks.pageSize;
    hooks.alarmCheck = [this] {
        if (m_alarms)
            m_alarms->CheckNow();
    };
    hooks.isPromotionLine = m_hooks.isPromotionLine;
    m_marquee = std::make_unique<CViewMarquee>(*m_view.viewport(), m_settings, *m_services.prompts,
                                               *m_services.clock, m_services.http,
                                               PromotionServer::BuiltIn(), std::move(hooks));
    m_marquee->SetFont(marqueeFont);
    m_marquee->LoadInitialText();
    m_marquee->WatchFocusAndClicks(m_view);
}

// The sync works on a connection of its own, so that the view's recordset
// sees the changes as another program's at its next requery.
void CViewTimedParts::CreateSync() {
    CViewSync::Hooks hooks;
    hooks.diaryPath = m_hooks.diaryPath;
    hooks.reloadMarks = m_hooks.reloadMarks;
    hooks.tell = [this](const QString& text, const QString& caption) {
        if (m_services.prompts)
            m_services.prompts->ShowMessage(text, caption);
    };
    hooks.askPassword = [this](const QString& why) {
        return QInputDialog::getText(
            &m_view, QCoreApplication::translate("CViewSync", "Synchronise"),
            QCoreApplication::translate(
                "CViewSync", "%1.\nThe CalDAV password (kept until the calendar closes):")
                .arg(why),
            QLineEdit::Password);
    };
    m_sync = std::make_unique<CViewSync>(m_settings, *m_services.clock, std::move(hooks), &m_view);
    m_sync->Start();
}

void CViewTimedParts::SetMarqueeFont(const QFont& marqueeFont) {
    if (m_marquee)
        m_marquee->SetFont(marqueeFont);
}

void CViewTimedParts::StartMarquee() {
    if (m_marquee)
        m_marquee->Start();
}

void CViewTimedParts::SynchroniseNow() {
    if (m_sync)
        m_sync->Request(SyncTrigger::Manual);
}

void CViewTimedParts::FocusGained() {
    if (m_sync)
        m_sync->Request(SyncTrigger::Focus);
}

void CViewTimedParts::SetEditing(bool open) {
    if (!m_sync)
        return;
    if (open)
        m_sync->BeginEditing();
    else
        m_sync->EndEditing();
}
