// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class CDiaryRecordset;
class CDiarySetHolder;
class IClock;
class IPrompts;
class ITunes;

// The messages of the records of an open `set` that fall on the date key,
// joined with "\n" in the order the records are read; `playTune` (when given)
// is then called with each such record's tune, trimmed, in the same order.
QString CollectDayMessages(CDiaryRecordset& set, const QString& key,
                           const std::function<void(const QString&)>& playTune);

// The diary check of one day: messages in one box, tunes played. The view
// owns one; it works on the view's recordset.
class CReminders {
public:
    CReminders(CDiarySetHolder& diary, IPrompts& prompts, const IClock& clock, ITunes& tunes);

    // Shows the day's messages under its long date, or "No Messages!" unless
    // `quiet`. Database errors pass out.
    void CheckDiary(int day, int month, int year, bool quiet);
    // The messages of the entries that fall on the day (day 0: today), one
    // per line in the order the records are read, playing their tunes on the
    // way when asked. Reads the records as last fetched, without a requery.
    QString GatherDayMessages(int day, int month, int year, bool playTunes);
    // Plays a tune path: ".wav" as a sound without waiting, ".avi" as a video
    // waited for; anything else is not played.
    void PlayTune(const QString& tune);

private:
    QString DayKey(int day, int month, int year) const;
    void PlayVideo(const QString& path);

    CDiarySetHolder& m_diary;
    IPrompts& m_prompts;
    const IClock& m_clock;
    ITunes& m_tunes;
};
