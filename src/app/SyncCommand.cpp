// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SyncCommand.h"

#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "app/CommandPassword.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "diary/DiaryError.h"
#include "diary/DiaryLocation.h"
#include "platform/Clock.h"
#include "platform/InterfaceTranslations.h"
#include "platform/Keyring.h"
#include "platform/SystemClock.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "sync/CalendarChoiceError.h"
#include "sync/DiarySync.h"

namespace {
const QString kPasswordStdin = QStringLiteral("--password-stdin");
const QString kCaFile = QStringLiteral("--ca-file");
// A sync that finished but whose server refused some writes.
constexpr int kSyncPartial = 3;

struct SyncArguments {
    QString url;
    QString user;
    QString diaryPath;
    QString caFile;
    bool passwordFromStdin = false;
    QString error;
    QString calendar;
    bool list = false;
};

SyncArguments Parse(const QStringList& arguments) {
    const CCommandOptions options(arguments, {{QStringLiteral("--url"), true},
                                              {QStringLiteral("--user"), true},
                                              {kCaFile, true},
                                              {kPasswordStdin, false},
                                              {QStringLiteral("--calendar"), true},
                                              {QStringLiteral("--list"), false}});
    SyncArguments parsed{options.Value(QStringLiteral("--url")),
                         options.Value(QStringLiteral("--user")),
                         options.DiaryPath(),
                         options.Value(kCaFile),
                         options.Has(kPasswordStdin),
                         options.Error(),
                         options.Value(QStringLiteral("--calendar")),
                         options.Has(QStringLiteral("--list"))};
    if (parsed.error.isEmpty() && !options.Positionals().isEmpty())
        parsed.error = QCoreApplication::translate("SyncCommand", "sync takes no '%1'")
                           .arg(options.Positionals().first());
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
        error = QCoreApplication::translate(
            "SyncCommand", "no CalDAV calendar is set: give --url URL --user NAME once");
        return false;
    }
    // Refused without being echoed: the settings and messages never hold it.
    if (AddressHoldsPassword(typed)) {
        error = QCoreApplication::translate(
            "SyncCommand",
            "the calendar's address holds a password; give the address without it, the user "
            "with --user, and the password as the command's help says");
        return false;
    }
    account.collection = CollectionUrl(typed, &error);
    if (account.collection.isEmpty())
        return false;
    const bool kept =
        (parsed.url.isEmpty() ||
         settings.WriteText(CSettingsStore::kSettingsSection, KeyName(Key::CalDavUrl),
                            account.collection.toString())) &&
        (parsed.user.isEmpty() || settings.WriteText(CSettingsStore::kSettingsSection,
                                                     KeyName(Key::CalDavUser), parsed.user));
    if (!kept) {
        error = settings.SaveProblem();
        return false;
    }
    if (!parsed.caFile.isEmpty()) {
        error = CaFileProblem(parsed.caFile);
        if (!error.isEmpty())
            return false;
        if (!settings.WriteText(CSettingsStore::kSettingsSection, KeyName(Key::CalDavCaFile),
                                QFileInfo(parsed.caFile).absoluteFilePath())) {
            error = settings.SaveProblem();
            return false;
        }
    }
    account.caFile = Setting(settings, Key::CalDavCaFile);
    account.user = Setting(settings, Key::CalDavUser);
    if (account.user.isEmpty()) {
        error =
            QCoreApplication::translate("SyncCommand", "no CalDAV user is set: give --user NAME");
        return false;
    }
    return true;
}

bool ResolvePassword(const SyncArguments& parsed, DavAccount& account, QString& error) {
    account.password =
        CommandPassword(keyring::AccountName(account.user, account.collection.toString()),
                        parsed.passwordFromStdin, &error);
    return error.isEmpty();
}

QString DiaryPath(const SyncArguments& parsed, CSettingsStore& settings,
                  const QString& documentsFolder, QString& error) {
    // A new diary file is made as `add` makes one, so a second machine can
    // start from the server's calendar alone.
    if (!parsed.diaryPath.isEmpty()) {
        if (IsNonRegularFile(parsed.diaryPath))
            error = QCoreApplication::translate("DiaryCommands",
                                                "the diary file %1 is not a regular file")
                        .arg(parsed.diaryPath);
        else if (!EnsureDiaryFileExists(parsed.diaryPath))
            error = QCoreApplication::translate("DiaryCommands",
                                                "the diary file %1 cannot be opened or created")
                        .arg(parsed.diaryPath);
        return parsed.diaryPath;
    }
    const CommandLineDiary located = LocateDiaryForCommandLine(settings, documentsFolder);
    if (!located.usable)
        error =
            QCoreApplication::translate(
                "DiaryCommands", "the diary file %1 cannot be opened or created; use --diary PATH")
                .arg(located.path);
    return located.path;
}
}  // namespace

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
        ResolveAccount(parsed, settings, account, error) && ResolvePassword(parsed, account, error);
    const bool existed = parsed.diaryPath.isEmpty() || QFileInfo::exists(parsed.diaryPath);
    const QString diaryPath =
        ready ? DiaryPath(parsed, settings, documentsFolder, error) : QString();
    if (!error.isEmpty()) {
        streams.err << "plenda: " << error << '\n';
        return kCommandFailed;
    }
    if (const QString warning = CleartextWarning(account.collection); !warning.isEmpty())
        streams.err << "plenda: " << QCoreApplication::translate("SyncCommand", "warning: ")
                    << warning << '\n';
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
        if (!existed)
            RemoveEmptyNewDiary(diaryPath);
        streams.err << "plenda: " << failure.Description() << '\n';
        return kCommandFailed;
    }
    return 0;
}

int RunSyncProgram(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    CInterfaceTranslations translations(app);
    translations.Load(QLocale::system(), CInterfaceTranslations::Folders());
    QTextStream out(stdout);
    QTextStream err(stderr);
    CSettingsStore settings;
    ReportSettingsProblem(settings, err);
    const CSystemClock clock;
    // Started by plenda as `plenda sync ...`; run alone, without the word.
    QStringList arguments = app.arguments().mid(1);
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("sync"))
        arguments.removeFirst();
    return WithSettingsSaved(
        settings, RunSyncCommand(arguments, settings, clock, DocumentsFolder(), {out, err}), err);
}
