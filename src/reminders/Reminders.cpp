// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/Reminders.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <optional>

#include "calendar/CalendarDates.h"
#include "calendar/CalendarNames.h"
#include "calendar/DateLib.h"
#include "diary/DiaryFilter.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiarySetHolder.h"
#include "diary/ShortText.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/Tunes.h"

namespace {
constexpr int kVideoLeft = 100;
constexpr int kVideoTop = 100;
constexpr int kVideoSize = 160;

// The caption of a day's messages: the long date in the interface language,
// the date library's English form when that is English.
QString DayCaption(int day, int month, int year) {
    const CCalendarNames names = CCalendarNames::ForInterface(QLocale::system());
    if (names.IsEnglish())
        return CCalendarDates::FormatLongDate(day, month, year);
    return names.DateLocale().toString(QDate::fromJulianDay(DateToJulian(month, day, year)),
                                       QLocale::LongFormat);
}

void ReportVideoFailure(IPrompts& prompts, const std::optional<QString>& failure,
                        const QString& caption) {
    if (!failure)
        return;
    prompts.ShowMessage(failure->isEmpty()
                            ? QCoreApplication::translate("CReminders", "Unknown MCI error")
                            : *failure,
                        caption);
}
}  // namespace

CReminders::CReminders(CDiarySetHolder& diary, IPrompts& prompts, const IClock& clock,
                       ITunes& tunes)
    : m_diary(diary), m_prompts(prompts), m_clock(clock), m_tunes(tunes) {}

void CReminders::CheckDiary(int day, int month, int year, bool quiet) {
    const QString messages = GatherDayMessages(day, month, year, true);
    if (day == 0) {
        const QDate today = m_clock.Now().date();
        day = today.day();
        month = today.month();
        year = today.year();
    }
    const QString caption = DayCaption(day, month, year);
    if (!messages.isEmpty())
        m_prompts.ShowMessage(messages, caption);
    else if (!quiet)
        m_prompts.ShowMessage(QCoreApplication::translate("CReminders", "No Messages!"), caption);
}

QString CReminders::DayKey(int day, int month, int year) const {
    if (day == 0) {
        const QDate today = m_clock.Now().date();
        return DateKey(today.day(), today.month(), today.year());
    }
    return DateKey(day, month, year);
}

QString CReminders::GatherDayMessages(int day, int month, int year, bool playTunes) {
    const QString key = DayKey(day, month, year);
    CDiaryRecordset* set = m_diary.GetDiarySet();
    if (!set->IsOpen())
        return {};
    if (!playTunes)
        return CollectDayMessages(*set, key, nullptr);
    return CollectDayMessages(*set, key, [this](const QString& tune) { PlayTune(tune); });
}

QString CollectDayMessages(CDiaryRecordset& set, const QString& key,
                           const std::function<void(const QString&)>& playTune) {
    QString messages;
    QStringList tunes;
    set.VisitRecords([&](const DiaryRowView& row) {
        const CShortText date(row.eventDate);
        if (!EventDateFallsOn(date.View(), key))
            return;
        const QString tune = QString::fromUtf8(row.eventSound).trimmed();
        if (!tune.isEmpty())
            tunes.append(tune);
        const QString message = QString::fromUtf8(row.eventDescription);
        if (!message.isEmpty()) {
            if (!messages.isEmpty())
                messages += QLatin1Char('\n');
            messages += message;
        }
    });
    // Played after the pass: a tune's failure box runs a nested event loop,
    // which must not meet the recordset half read.
    if (playTune) {
        for (const QString& tune : tunes) playTune(tune);
    }
    return messages;
}

// The kind comes from the lower-cased name; the path itself keeps its case,
// since file names here are case-sensitive.
void CReminders::PlayTune(const QString& tune) {
    const QString path = tune.trimmed();
    const QString kind = path.right(3).toLower();
    if (kind == QLatin1String("wav"))
        m_tunes.StartSound(path);
    else if (kind == QLatin1String("avi"))
        PlayVideo(path);
}

// A failing step does not stop the later ones; each reports its own failure.
void CReminders::PlayVideo(const QString& path) {
    const QString play = QStringLiteral("MCIERROR - play");
    ReportVideoFailure(m_prompts, m_tunes.OpenVideo(path), QStringLiteral("MCIERROR - open"));
    ReportVideoFailure(m_prompts, m_tunes.PlaceVideo(kVideoLeft, kVideoTop, kVideoSize, kVideoSize),
                       play);
    ReportVideoFailure(m_prompts, m_tunes.PlayVideoToEnd(), play);
    ReportVideoFailure(m_prompts, m_tunes.CloseVideo(), QStringLiteral("MCIERROR - close"));
}
