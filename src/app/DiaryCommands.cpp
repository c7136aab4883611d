// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DiaryCommands.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <optional>

#include "app/CommandOptions.h"
#include "app/StreamPrompts.h"
#include "calendar/CalendarDates.h"
#include "diary/DatePattern.h"
#include "diary/DiaryError.h"
#include "diary/DiaryLocation.h"
#include "diary/DiaryRecordset.h"
#include "platform/Clock.h"
#include "platform/DateOrder.h"
#include "reminders/Reminders.h"
#include "settings/DecimalText.h"

namespace {
const QString kTimeOption = QStringLiteral("--time");
const QString kTuneOption = QStringLiteral("--tune");
const QString kHolidayOption = QStringLiteral("--holiday");

class DiaryCommand {
public:
    DiaryCommand(const DiaryCommandContext& context, CommandStreams streams)
        : m_context(context), m_streams(streams), m_prompts(streams.err) {}

    int Agenda(const CCommandOptions& parsed);
    int List(const CCommandOptions& parsed);
    int Add(const CCommandOptions& parsed);

private:
    DateOrder Order() const { return m_context.dateOrder.Current(); }
    int Usage(const QString& problem);
    std::optional<QString> DayKey(const QStringList& positionals, int& status);
    bool OpenDiary(CDiaryRecordset& set, const QString& diaryPath, bool mayCreate);
    QString EntryErrors(const QString& message, const QString& time) const;
    QString ListLine(const CDiaryRecordset& set) const;

    const DiaryCommandContext& m_context;
    CommandStreams m_streams;
    CStreamPrompts m_prompts;
};

int DiaryCommand::Usage(const QString& problem) {
    m_streams.err << "plenda: " << problem << '\n' << DiaryCommandsUsage();
    return kBadArguments;
}

// The key DDMMYYYY of the one day a typed date names; today without one.
std::optional<QString> DiaryCommand::DayKey(const QStringList& positionals, int& status) {
    if (positionals.isEmpty()) {
        const QDate today = m_context.clock.Now().date();
        return DateKey(today.day(), today.month(), today.year());
    }
    const QString& typed = positionals.first();
    if (!ValidateDatePattern(typed, Order(), m_prompts)) {
        status = kCommandFailed;
        return std::nullopt;
    }
    if (typed.contains(QLatin1Char('*'))) {
        m_streams.err << "plenda: "
                      << QCoreApplication::translate("DiaryCommands",
                                                     "the date %1 must name one day, without '*'")
                             .arg(typed)
                      << '\n';
        status = kBadArguments;
        return std::nullopt;
    }
    return NormalizeDatePattern(typed, Order());
}

bool DiaryCommand::OpenDiary(CDiaryRecordset& set, const QString& diaryPath, bool mayCreate) {
    const bool existed = diaryPath.isEmpty() || QFileInfo::exists(diaryPath);
    const std::optional<QString> path =
        CommandDiaryPath(m_context, diaryPath, mayCreate, m_streams.err);
    if (!path)
        return false;
    try {
        set.OpenFile(*path);
    } catch (const CDatabaseError& error) {
        if (!existed)
            RemoveEmptyNewDiary(*path);
        m_streams.err << "plenda: " << error.Description() << '\n';
        return false;
    }
    return true;
}

int DiaryCommand::Agenda(const CCommandOptions& parsed) {
    if (parsed.Positionals().size() > 1)
        return Usage(QCoreApplication::translate("DiaryCommands", "agenda takes at most one DATE"));
    int status = 0;
    const std::optional<QString> key = DayKey(parsed.Positionals(), status);
    if (!key)
        return status;
    CDiaryRecordset set(m_context.settings);
    // SQLite picks the day's entries; the same rule then reads them.
    set.SetFilter(CDiaryFilter::ForDateKey(*key));
    if (!OpenDiary(set, parsed.DiaryPath(), false))
        return kCommandFailed;
    const QString messages = CollectDayMessages(set, *key, nullptr);
    if (!messages.isEmpty())
        m_streams.out << messages << '\n';
    return 0;
}

int DiaryCommand::List(const CCommandOptions& parsed) {
    if (parsed.Positionals().size() > 1)
        return Usage(QCoreApplication::translate("DiaryCommands", "list takes at most one DATE"));
    CDiaryRecordset set(m_context.settings);
    if (!parsed.Positionals().isEmpty()) {
        int status = 0;
        const std::optional<QString> key = DayKey(parsed.Positionals(), status);
        if (!key)
            return status;
        set.SetFilter(CDiaryFilter::ForDateKey(*key));
    }
    set.SetSort(DiarySort::EventDateAscending);
    if (!OpenDiary(set, parsed.DiaryPath(), false))
        return kCommandFailed;
    if (set.IsBOF() && set.IsEOF())
        return 0;
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) m_streams.out << ListLine(set) << '\n';
    return 0;
}

// Date in the user's order, alarm time, holiday flag and message.
QString DiaryCommand::ListLine(const CDiaryRecordset& set) const {
    const QString& time = set.m_EventTime;
    QString shownTime = QStringLiteral("--:--");
    if (time.size() == 4 && time != QLatin1String("0000") && time.trimmed().size() == 4)
        shownTime = time.left(2) + QLatin1Char(':') + time.right(2);
    const QString holiday = set.m_PubHoliday ? QStringLiteral("holiday") : QString();
    return QStringLiteral("%1  %2  %3  %4")
        .arg(ToDisplayDate(set.m_EventDate, Order()), -10)
        .arg(shownTime, -5)
        .arg(holiday, -7)
        .arg(set.m_EventDescription);
}

// The Diary Entry dialog's rules, plus the form the option must have.
QString DiaryCommand::EntryErrors(const QString& message, const QString& time) const {
    QString errors;
    if (message.isEmpty())
        errors += QCoreApplication::translate("CDiaryEntryDlg", "Please add a message\n");
    bool digits = time.size() == 4;
    for (const QChar c : time) digits = digits && c.unicode() >= u'0' && c.unicode() <= u'9';
    if (!digits) {
        errors +=
            QCoreApplication::translate("DiaryCommands", "Alarm time must be four digits HHMM\n");
        return errors;
    }
    if (ParseDecimal(QStringView(time).left(2)) > 24)
        errors += QCoreApplication::translate("CDiaryEntryDlg",
                                              "Alarm time- Hours cannot be more than 24\n");
    if (ParseDecimal(QStringView(time).mid(2, 2)) > 59)
        errors += QCoreApplication::translate("CDiaryEntryDlg",
                                              "Alarm time- Minutes cannot be more than 59\n");
    return errors;
}

int DiaryCommand::Add(const CCommandOptions& parsed) {
    if (parsed.Positionals().size() != 2)
        return Usage(
            QCoreApplication::translate("DiaryCommands", "add takes a DATE and a MESSAGE"));
    const QString& typedDate = parsed.Positionals()[0];
    const QString& message = parsed.Positionals()[1];
    if (!ValidateDatePattern(typedDate, Order(), m_prompts))
        return kCommandFailed;
    QString time = parsed.Has(kTimeOption) ? parsed.Value(kTimeOption) : QStringLiteral("0000");
    time.remove(QLatin1Char(':'));
    const QString errors = EntryErrors(message, time);
    if (!errors.isEmpty()) {
        m_prompts.ShowMessage(errors, QCoreApplication::translate("CDiaryEntryDlg", "Error!"));
        return kCommandFailed;
    }
    CDiaryRecordset set(m_context.settings);
    set.SetFilter(CDiaryFilter::ById(0));
    if (!OpenDiary(set, parsed.DiaryPath(), true))
        return kCommandFailed;
    try {
        set.AddNew();
        set.m_EventDate = NormalizeDatePattern(typedDate, Order());
        set.m_EventDescription = message;
        // The calendar plays it later from another folder.
        set.m_EventSound = parsed.Has(kTuneOption)
                               ? QFileInfo(parsed.Value(kTuneOption)).absoluteFilePath()
                               : QString();
        set.m_PubHoliday = parsed.Has(kHolidayOption);
        set.m_EventTime = time;
        set.Update();
    } catch (const CDatabaseError& error) {
        m_streams.err << "plenda: " << error.Description() << '\n';
        return kCommandFailed;
    }
    return 0;
}
}  // namespace

// Without --diary the diary is found as start-up finds it, but where start-up
// would ask for a file the command reports it and fails.
std::optional<QString> CommandDiaryPath(const DiaryCommandContext& context,
                                        const QString& diaryPath, bool mayCreate,
                                        QTextStream& err) {
    if (diaryPath.isEmpty()) {
        const CommandLineDiary located =
            LocateDiaryForCommandLine(context.settings, context.documentsFolder, mayCreate);
        if (located.usable)
            return located.path;
        err << "plenda: "
            << QCoreApplication::translate(
                   "DiaryCommands",
                   "the diary file %1 cannot be opened or created; use --diary PATH")
                   .arg(located.path)
            << '\n';
        return std::nullopt;
    }
    if (IsNonRegularFile(diaryPath)) {
        err << "plenda: "
            << QCoreApplication::translate("DiaryCommands",
                                           "the diary file %1 is not a regular file")
                   .arg(diaryPath)
            << '\n';
        return std::nullopt;
    }
    if (mayCreate && !EnsureDiaryFileExists(diaryPath)) {
        err << "plenda: "
            << QCoreApplication::translate("DiaryCommands",
                                           "the diary file %1 cannot be opened or created")
                   .arg(diaryPath)
            << '\n';
        return std::nullopt;
    }
    return diaryPath;
}

bool IsDiaryCommand(const QString& name) {
    return name == QLatin1String("agenda") || name == QLatin1String("list") ||
           name == QLatin1String("add");
}

int RunDiaryCommand(const QString& name, const QStringList& arguments,
                    const DiaryCommandContext& context, CommandStreams streams) {
    QList<OptionSpec> accepted;
    if (name == QLatin1String("add"))
        accepted = {{kTimeOption, true}, {kTuneOption, true}, {kHolidayOption, false}};
    const CCommandOptions parsed(arguments, accepted);
    DiaryCommand command(context, streams);
    if (!parsed.Error().isEmpty()) {
        streams.err << "plenda: " << parsed.Error() << '\n' << DiaryCommandsUsage();
        return kBadArguments;
    }
    if (name == QLatin1String("agenda"))
        return command.Agenda(parsed);
    if (name == QLatin1String("list"))
        return command.List(parsed);
    return command.Add(parsed);
}

QString DiaryCommandsUsage() {
    return QCoreApplication::translate(
        "DiaryCommands",
        "  agenda [DATE]      print the day's diary messages (today without DATE)\n"
        "  list [DATE]        list the entries falling on the day (all without DATE)\n"
        "  add DATE MESSAGE [--time HHMM] [--holiday] [--tune PATH]\n"
        "                     add a diary entry; DATE in your date order, '*' for any digit\n");
}
