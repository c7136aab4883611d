// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SyncCommand.h"

#include "app/CommandOptions.h"

#include "diary/DiaryError.h"
#include "diary/DiaryLocation.h"
#include "platform/Clock.h"
#include "platform/Keyring.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "sync/CalendarChoiceError.h"
#include "sync/DiarySync.h"

namespace {
// A sync that finished but whose server refused some writes.
constexpr int kSyncPartial = 3;

struct SyncArguments {
    QString url;
    QString user;
    QString diaryPath;
    QString error;
    QString calendar;
    bool list = false;
};

SyncArguments Parse(const QStringList& arguments) {
    const CCommandOptions options(arguments, {{QStringLiteral("--url"), true},
                                              {QStringLiteral("--user"), true},
                                              {QStringLiteral("--calendar"), true},
                                              {QStringLiteral("--list"), false}});
    SyncArguments parsed{options.Value(QStringLiteral("--url")),
                         options.Value(QStringLiteral("--user")),
                         options.DiaryPath(),
                         options.Error(),
                         options.Value(QStringLiteral("--calendar")),
                         options.Has(QStringLiteral("--list"))};
    if (parsed.error.isEmpty() && !options.Positionals().isEmpty())
        parsed.error = QStringLiteral("sync takes no '%1'").arg(options.Positionals().first());
    return parsed;
}

QString Setting(const CSettingsStore& settings, Key key) {
    return settings.ReadText(CSettingsStore::kSettingsSection, KeyName(key));
}

// Keeps a URL and user given for next time; the account then in force.
bool ResolveAccount(const SyncArguments& parsed, CSettingsStore& settings, DavAccount& account,
                    QString& error) {
    const QString typed = parsed.url.isEmpty() ? Setting(settings, Key::CalDavUrl) : parsed.url;
    if (typed.isEmpty()) {
        error = QStringLiteral("no CalDAV calendar is set: give --url URL --user NAME once");
        return false;
    }
    account.collection = CollectionUrl(typed, &error);
    if (account.collection.isEmpty())
        return false;
    if (!parsed.url.isEmpty())
        settings.WriteText(CSettingsStore::kSettingsSection, KeyName(Key::CalDavUrl),
                           account.collection.toString());
    if (!parsed.user.isEmpty())
        settings.WriteText(CSettingsStore::kSettingsSection, KeyName(Key::CalDavUser), parsed.user);
    account.user = Setting(settings, Key::CalDavUser);
    if (account.user.isEmpty()) {
        error = QStringLiteral("no CalDAV user is set: give --user NAME");
        return false;
    }
    return true;
}

bool ResolvePassword(DavAccount& account, QString& error) {
    account.password = keyring::CalDavPassword(account.user, account.collection.toString(), &error);
    return error.isEmpty();
}

QString DiaryPath(const SyncArguments& parsed, CSettingsStore& settings,
                  const QString& documentsFolder, QString& error) {
    if (!parsed.diaryPath.isEmpty())
        return parsed.diaryPath;
    const CommandLineDiary located = LocateDiaryForCommandLine(settings, documentsFolder);
    if (!located.usable)
        error = QStringLiteral("the diary file %1 cannot be opened or created; use --diary PATH")
                    .arg(located.path);
    return located.path;
}
}  // namespace

QString SyncCommandUsage() {
    return QStringLiteral(
        "  sync [--url URL --user NAME] [--calendar NAME] [--list]\n"
        "                     synchronise the diary both ways with a CalDAV calendar; the URL\n"
        "                     (any address of the server) and user are kept for next time, the\n"
        "                     password is read from PLENDA_CALDAV_PASSWORD or the keyring;\n"
        "                     --calendar chooses among several calendars, --list lists them;\n"
        "                     exit status 3 when the server refused some writes\n");
}

int RunSyncCommand(const QStringList& arguments, CSettingsStore& settings, const IClock& clock,
                   const QString& documentsFolder, CommandStreams streams) {
    const SyncArguments parsed = Parse(arguments);
    if (!parsed.error.isEmpty()) {
        streams.err << "plenda: " << parsed.error << '\n' << SyncCommandUsage();
        return kBadArguments;
    }
    DavAccount account;
    QString error;
    const bool ready =
        ResolveAccount(parsed, settings, account, error) && ResolvePassword(account, error);
    const QString diaryPath =
        ready ? DiaryPath(parsed, settings, documentsFolder, error) : QString();
    if (!error.isEmpty()) {
        streams.err << "plenda: " << error << '\n';
        return kCommandFailed;
    }
    try {
        if (parsed.list) {
            streams.out << ListCalendars(account);
            return kCommandDone;
        }
        const SyncCounts counts =
            SynchroniseDiary(diaryPath, account, clock.Now().date(), nullptr, parsed.calendar);
        streams.out << SyncReport(counts);
        if (!counts.refused.isEmpty())
            return kSyncPartial;
    } catch (const CCalendarChoiceError& choice) {
        streams.err << "plenda: " << choice.Description() << '\n';
        return kBadArguments;
    } catch (const CPlendaError& failure) {
        streams.err << "plenda: " << failure.Description() << '\n';
        return kCommandFailed;
    }
    return 0;
}
