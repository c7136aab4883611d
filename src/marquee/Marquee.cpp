// SPDX-License-Identifier: GPL-3.0-or-later
#include "marquee/Marquee.h"

#include <QCoreApplication>

#include "marquee/MarqueeCanvas.h"
#include "marquee/MarqueeFile.h"
#include "marquee/MarqueeTicks.h"
#include "marquee/MarqueeTimer.h"
#include "platform/Prompts.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"

namespace {
const char* const kCaption = QT_TRANSLATE_NOOP("CViewMarquee", "Calendar");
}

CMarquee::CMarquee(const CSettingsHelper& settings, IPrompts& prompts, IMarqueeTimer& timer,
                   IMarqueeCanvas& canvas)
    : m_settingsHelper(settings), m_prompts(prompts), m_timer(timer), m_canvas(canvas) {}

void CMarquee::ReadTimingSettings() {
    const CSettingsHelper& s = m_settingsHelper;
    m_settings.on = s.GetBool(Key::MarqueeOn);
    m_settings.slide = s.GetInt(Key::MarqueeSlide);
    m_settings.milliseconds = s.GetInt(Key::MarqueeSecs);
    m_settings.fileFrequency = s.GetInt(Key::MarqueeCheckFileFreq);
    m_settings.fileUnits = s.GetSetting(Key::MarqueeCheckFileUnits);
    m_settings.useFile = s.GetBool(Key::UseFile);
}

void CMarquee::ReadColours() {
    m_settings.textColour = m_settingsHelper.GetColour(Key::MarqueeTextColor);
    m_settings.backgroundColour = m_settingsHelper.GetColour(Key::MarqueeBackgroundColor);
}

void CMarquee::LoadSettings() {
    m_filePosition = 0;
    m_band.ResetPosition();
    ReadTimingSettings();
    if (m_settings.useFile) {
        m_settings.fileName = m_settingsHelper.GetSetting(Key::MarqueeFileName);
        // A file that cannot be read must not keep the window from starting:
        // the band then starts with the stored message.
        if (std::optional<QString> line = NextFileLine())
            m_band.SetShownText(*line);
        else
            ShowStoredMessage();
        CopyShownToPending();
    } else {
        ShowStoredMessage();
    }
    ReadColours();
}

void CMarquee::ShowStoredMessage() {
    m_band.SetShownText(m_settingsHelper.GetSetting(Key::MarqueeMess));
}

void CMarquee::ComputeFileCheckTicks() {
    const QString units = m_settingsHelper.ReadPlain(Key::MarqueeCheckFileUnits);
    m_tickLimit = ::ComputeFileCheckTicks(m_settings.fileFrequency, units, m_settings.milliseconds,
                                          m_tickLimit);
}

void CMarquee::RestartTimer() {
    if (m_timerRunning) {
        m_timer.Stop();
        m_timerRunning = false;
    }
    if (m_settings.on) {
        m_timer.Start(EffectiveMarqueeSecs(m_settings.milliseconds));
        m_timerRunning = true;
    }
}

void CMarquee::Start() {
    m_tickCounter = 0;
    ComputeFileCheckTicks();
    RestartTimer();
}

std::optional<QString> CMarquee::NextFileLine() {
    const MarqueeLineRead read = ReadMarqueeLine(m_settings.fileName, m_filePosition);
    if (!read.ok) {
        // One box per failing spell, not one per period: a box's nested loop
        // keeps the timer ticking, and a short period would stack boxes.
        if (!m_fileErrorShown) {
            m_fileErrorShown = true;
            m_prompts.ShowMessage(read.error,
                                  QCoreApplication::translate("CViewMarquee", kCaption));
        }
        return std::nullopt;
    }
    m_fileErrorShown = false;
    m_filePosition = read.nextPosition;
    return read.text;
}

void CMarquee::ReRead() {
    m_tickCounter = 0;
    if (std::optional<QString> line = NextFileLine())
        m_band.SetPendingText(*line);
    // The alarm check rides on the re-read period; a missing marquee file
    // must not silence the alarms.
    if (m_alarmCheck)
        m_alarmCheck();
}

void CMarquee::CountFileTick() {
    if (m_tickCounter <= m_tickLimit)
        ++m_tickCounter;
    if (m_tickCounter <= m_tickLimit)
        return;
    if (m_band.PendingText().isEmpty())
        CopyShownToPending();
    // A period that ends before the band has taken the pending line over
    // waits for the wrap-around.
    if (m_band.ShownText() == m_band.PendingText())
        ReRead();
}

void CMarquee::Tick() {
    if (m_settings.useFile)
        CountFileTick();
    if (m_settings.on)
        StepMarquee();
}

void CMarquee::StepMarquee() {
    MarqueeMetrics metrics = m_canvas.Measure();
    metrics.textWidth = ShownTextWidth();
    const MarqueeFrame frame = m_band.Step(metrics, m_settings.slide, m_settings.useFile);
    m_canvas.PaintBand(frame);
}

// Measured once per text: a tick comes 40 times a second.
int CMarquee::ShownTextWidth() {
    if (m_textWidth < 0 || m_measuredText != m_band.ShownText()) {
        m_measuredText = m_band.ShownText();
        m_textWidth = m_canvas.TextWidth(m_measuredText);
    }
    return m_textWidth;
}

bool CMarquee::Toggle() {
    m_settings.on = !m_settings.on;
    m_settingsHelper.WriteBool(Key::MarqueeOn, m_settings.on);
    RestartTimer();
    return m_settings.on;
}

void CMarquee::Reload() {
    ReadTimingSettings();
    ReadColours();
    // The user has just chosen again: a file that still fails is reported anew.
    m_fileErrorShown = false;
    if (m_settings.useFile) {
        m_settings.fileName = m_settingsHelper.GetSetting(Key::MarqueeFileName);
        if (std::optional<QString> line = NextFileLine())
            m_band.SetShownText(*line);
        CopyShownToPending();
    } else {
        ShowStoredMessage();
    }
    RestartTimer();
    ComputeFileCheckTicks();
}
