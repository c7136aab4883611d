// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/core/OptionsSettings.h"

#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"

const QStringList& FileCheckUnitWords() {
    static const QStringList words{UnitWord::Seconds, UnitWord::Minutes, UnitWord::Hours};
    return words;
}

const QStringList& InternetCheckUnitWords() {
    static const QStringList words{UnitWord::Days, UnitWord::Weeks, UnitWord::Months};
    return words;
}

int UnitWordIndex(const QStringList& words, const QString& stored) {
    return static_cast<int>(words.indexOf(stored));
}

namespace {
bool PlainBool(const CSettingsHelper& settings, Key key) {
    return CSettingsHelper::TextToBool(settings.ReadPlain(key));
}

int PlainInt(const CSettingsHelper& settings, Key key) {
    return CSettingsHelper::TextToInt(settings.ReadPlain(key));
}
}  // namespace

MarqueeOptions LoadMarqueeOptions(const CSettingsHelper& settings) {
    MarqueeOptions options;
    options.slide = PlainInt(settings, Key::MarqueeSlide);
    options.secs = PlainInt(settings, Key::MarqueeSecs);
    options.fileFreq = PlainInt(settings, Key::MarqueeCheckFileFreq);
    options.fileUnits = settings.ReadPlain(Key::MarqueeCheckFileUnits);
    options.internetUnits = settings.ReadPlain(Key::MarqueeCheckInternetUnits);
    options.internetFreq = PlainInt(settings, Key::MarqueeCheckInternetFreq);
    options.useFile = PlainBool(settings, Key::UseFile);
    options.fileName = settings.ReadPlain(Key::MarqueeFileName);
    options.message = settings.ReadPlain(Key::MarqueeMess);
    options.useInternet = PlainBool(settings, Key::UseInternet);
    options.on = PlainBool(settings, Key::MarqueeOn);
    // An empty colour text means the desktop's colours, which the table's default gives.
    options.textColour = settings.GetColour(Key::MarqueeTextColor, false);
    options.backgroundColour = settings.GetColour(Key::MarqueeBackgroundColor, false);
    return options;
}

PictureOptions LoadPictureOptions(const CSettingsHelper& settings) {
    return {PlainBool(settings, Key::ShowPicture), PlainBool(settings, Key::StretchHeight),
            PlainBool(settings, Key::StretchWidth)};
}

YearViewOptions LoadYearViewOptions(const CSettingsHelper& settings) {
    return {PlainBool(settings, Key::YearView), settings.ReadPlain(Key::MonthsAcross),
            settings.ReadPlain(Key::MonthsDown)};
}

CalendarOptions LoadCalendarOptions(const CSettingsHelper& settings) {
    return {WeekStartFromText(settings.ReadPlain(Key::WeekStart)),
            PlainBool(settings, Key::WeekNumbers)};
}

void SaveCalendarOptions(const CSettingsHelper& settings, const CalendarOptions& options) {
    settings.WriteSetting(Key::WeekStart, WeekStartText(options.weekStart));
    settings.WriteBool(Key::WeekNumbers, options.weekNumbers);
}

void SaveMarqueeOptions(const CSettingsHelper& settings, const MarqueeOptions& options) {
    settings.WriteInt(Key::MarqueeSlide, options.slide);
    settings.WriteInt(Key::MarqueeSecs, options.secs);
    settings.WriteInt(Key::MarqueeCheckFileFreq, options.fileFreq);
    settings.WriteInt(Key::MarqueeCheckInternetFreq, options.internetFreq);
    settings.WriteSetting(Key::MarqueeMess, options.message);
    // A name typed into the field; a browsed one is already stored.
    settings.WriteSetting(Key::MarqueeFileName, options.fileName);
    settings.WriteBool(Key::MarqueeOn, options.on);
    settings.WriteBool(Key::UseFile, options.useFile);
    settings.WriteBool(Key::UseInternet, options.useInternet);
}

void SavePictureOptions(const CSettingsHelper& settings, const PictureOptions& options) {
    settings.WriteBool(Key::ShowPicture, options.showPicture);
    settings.WriteBool(Key::StretchHeight, options.stretchHeight);
    settings.WriteBool(Key::StretchWidth, options.stretchWidth);
}

void SaveYearViewOptions(const CSettingsHelper& settings, const YearViewOptions& options) {
    settings.WriteBool(Key::YearView, options.yearView);
    settings.WriteSetting(Key::MonthsAcross, options.monthsAcross);
    settings.WriteSetting(Key::MonthsDown, options.monthsDown);
}

SyncOptions LoadSyncOptions(const CSettingsHelper& settings) {
    return {settings.ReadPlain(Key::CalDavUrl), settings.ReadPlain(Key::CalDavUser),
            qMax(0, settings.GetInt(Key::CalDavEveryMinutes, false)),
            settings.ReadPlain(Key::CalDavLastSync)};
}

void SaveSyncOptions(const CSettingsHelper& settings, const SyncOptions& options) {
    settings.WriteSetting(Key::CalDavUrl, options.url);
    settings.WriteSetting(Key::CalDavUser, options.user);
    settings.WriteInt(Key::CalDavEveryMinutes, options.everyMinutes);
}
