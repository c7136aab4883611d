// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "colour/ColourRef.h"
#include "settings/WeekStart.h"

class CSettingsHelper;

// The settings the Options dialog shows, read plainly (nothing written back)
// and written by its OK button.

// The unit words of the two check periods, in the order of their radio buttons.
const QStringList& FileCheckUnitWords();      // Seconds, Minutes, Hours
const QStringList& InternetCheckUnitWords();  // Days, Weeks, Months
// The index of the word equal to `stored` (case-sensitive), -1 when none is.
int UnitWordIndex(const QStringList& words, const QString& stored);

struct MarqueeOptions {
    bool on = false;
    QString message;
    int slide = 0;
    int secs = 0;
    bool useInternet = false;
    int internetFreq = 0;
    QString internetUnits;
    bool useFile = false;
    QString fileName;
    int fileFreq = 0;
    QString fileUnits;
    ColourRef textColour = 0;
    ColourRef backgroundColour = 0;
};

struct PictureOptions {
    bool showPicture = false;
    bool stretchHeight = false;
    bool stretchWidth = false;
};

// The two counts stay texts: the dialog checks them before they are stored.
struct YearViewOptions {
    bool yearView = false;
    QString monthsAcross;
    QString monthsDown;
};

struct CalendarOptions {
    WeekStartChoice weekStart = WeekStartChoice::Sunday;
    bool weekNumbers = false;
};

// The CalDAV sync: the calendar, the user, how often (0 = only on request)
// and when the last good sync ended. The password lives in the keyring.
struct SyncOptions {
    QString url;
    QString user;
    int everyMinutes = 0;
    QString lastSync;
};

// The marquee settings as stored. The message is `MarqueeMess`; with
// `UseFile` on, the caller replaces it with the file's first line.
MarqueeOptions LoadMarqueeOptions(const CSettingsHelper& settings);
PictureOptions LoadPictureOptions(const CSettingsHelper& settings);
YearViewOptions LoadYearViewOptions(const CSettingsHelper& settings);
SyncOptions LoadSyncOptions(const CSettingsHelper& settings);
CalendarOptions LoadCalendarOptions(const CSettingsHelper& settings);

// OK's writes. The colours, unit words and file name are not among them:
// the Marquee page writes those the moment they change.
void SaveMarqueeOptions(const CSettingsHelper& settings, const MarqueeOptions& options);
void SavePictureOptions(const CSettingsHelper& settings, const PictureOptions& options);
void SaveYearViewOptions(const CSettingsHelper& settings, const YearViewOptions& options);
void SaveCalendarOptions(const CSettingsHelper& settings, const CalendarOptions& options);
// The last sync's time is the sync's to write, not OK's.
void SaveSyncOptions(const CSettingsHelper& settings, const SyncOptions& options);
