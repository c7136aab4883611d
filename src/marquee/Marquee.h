// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "colour/ColourRef.h"
#include "marquee/MarqueeBand.h"

class CSettingsHelper;
class IPrompts;
class IMarqueeTimer;
class IMarqueeCanvas;

// The marquee's settings as the view holds them.
struct MarqueeBandSettings {
    bool on = true;
    int slide = 1;
    int milliseconds = 25;  // stored as MarqueeSecs; at least 1 when used
    int fileFrequency = 1;
    QString fileUnits;
    bool useFile = false;
    QString fileName;
    ColourRef textColour = 0;
    ColourRef backgroundColour = 0;
};

// The scrolling band's state and behaviour: the timer contract, the tick with
// its file re-read counter, the text cycle and Show Marquee. The widget only
// measures and paints (IMarqueeCanvas) and owns the timer (IMarqueeTimer).
class CMarquee {
public:
    CMarquee(const CSettingsHelper& settings, IPrompts& prompts, IMarqueeTimer& timer,
             IMarqueeCanvas& canvas);

    // Runs at each re-read of the file (the diary's alarm check).
    void SetAlarmCheck(std::function<void()> check) { m_alarmCheck = std::move(check); }

    // Construction: reads the band's settings (writing missing defaults back)
    // and its first text: the file's next line, or MarqueeMess.
    void LoadSettings();
    // Shown text = MarqueeMess (read with write-back).
    void ShowStoredMessage();
    void SetShownText(const QString& text) { m_band.SetShownText(text); }
    void CopyShownToPending() { m_band.SetPendingText(m_band.ShownText()); }

    // Window creation: zero the tick counter, work out the tick limit and
    // start the timer when the band is on.
    void Start();
    // One timer expiry.
    void Tick();
    // Show Marquee: flips MarqueeOn, writes it, restarts the timer. Returns
    // the new state (for the menu's check mark); the view repaints itself.
    bool Toggle();
    // After the Options dialog: re-reads the settings and the text, restarts
    // the timer and recomputes the tick limit; the tick counter keeps its count.
    void Reload();

    // Stops or starts the timer by the contract: stopped first, started again
    // only while the band is on.
    void RestartTimer();
    // The marquee font changed: the shown text is measured again.
    void ForgetTextWidth() { m_textWidth = -1; }

    const MarqueeBandSettings& Settings() const { return m_settings; }
    const CMarqueeBand& Band() const { return m_band; }
    bool IsOn() const { return m_settings.on; }
    bool TimerRunning() const { return m_timerRunning; }
    int TickCounter() const { return m_tickCounter; }
    int TickLimit() const { return m_tickLimit; }
    qint64 FilePosition() const { return m_filePosition; }

private:
    void ReadTimingSettings();
    void ReadColours();
    void ComputeFileCheckTicks();
    void CountFileTick();
    void ReRead();
    // The file's next line, or nothing when it cannot be read (reported once
    // until a read succeeds again).
    std::optional<QString> NextFileLine();
    void StepMarquee();
    int ShownTextWidth();

    const CSettingsHelper& m_settingsHelper;
    IPrompts& m_prompts;
    IMarqueeTimer& m_timer;
    IMarqueeCanvas& m_canvas;
    std::function<void()> m_alarmCheck;

    MarqueeBandSettings m_settings;
    CMarqueeBand m_band;
    qint64 m_filePosition = 0;
    int m_tickCounter = 0;
    int m_tickLimit = 0;
    bool m_timerRunning = false;
    bool m_fileErrorShown = false;
    QString m_measuredText;
    int m_textWidth = -1;
};
