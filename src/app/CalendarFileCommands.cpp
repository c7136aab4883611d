// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalendarFileCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <optional>

#include "app/CommandOptions.h"
#include "app/DiaryCommands.h"
#include "diary/DiaryDatabase.h"
#include "diary/DiaryLocation.h"
#include "interop/CalendarFiles.h"
#include "interop/IcsError.h"
#include "platform/Clock.h"

namespace {
const QString kExport = QStringLiteral("export");
const QString kImport = QStringLiteral("import");
const QString kHolidayOption = QStringLiteral("--holiday");
const QString kStandardStream = QStringLiteral("-");

class CalendarFileCommand {
public:
    CalendarFileCommand(const DiaryCommandContext& context, CommandStreams streams)
        : m_context(context), m_streams(streams) {}

    int Export(const CCommandOptions& options);
    int Import(const CCommandOptions& options);

private:
    ExportSummary ExportToStandardOutput(const CDiaryDatabase& diary, const QDateTime& stamp);

    const DiaryCommandContext& m_context;
    CommandStreams m_streams;
};

int Usage(CommandStreams streams, const QString& problem) {
    streams.err << "plenda: " << problem << '\n' << CalendarFileCommandsUsage();
    return kBadArguments;
}

// Asked for when needed: the translation is installed after start-up.
QString StandardInputName() {
    return QCoreApplication::translate("CalendarFileCommands", "standard input");
}

QByteArray ReadStandardInput() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        throw CIcsError(
            QCoreApplication::translate("CalendarFileCommands", "Standard input cannot be read: %1")
                .arg(in.errorString()));
    return ReadCalendarDevice(in, StandardInputName());
}

ExportSummary CalendarFileCommand::ExportToStandardOutput(const CDiaryDatabase& diary,
                                                          const QDateTime& stamp) {
    m_streams.out.flush();
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        throw CIcsError(QCoreApplication::translate("CalendarFileCommands",
                                                    "Standard output cannot be written: %1")
                            .arg(out.errorString()));
    const ExportSummary summary = ExportDiary(diary, stamp, out);
    if (!out.flush())
        throw CIcsError(QCoreApplication::translate("CalendarFileCommands",
                                                    "Standard output cannot be written: %1")
                            .arg(out.errorString()));
    return summary;
}

int CalendarFileCommand::Export(const CCommandOptions& options) {
    if (options.Positionals().size() > 1)
        return Usage(m_streams, QCoreApplication::translate("CalendarFileCommands",
                                                            "export takes at most one FILE"));
    const QString target = options.Positionals().value(0, kStandardStream);
    const std::optional<QString> diaryPath =
        CommandDiaryPath(m_context, options.DiaryPath(), false, m_streams.err);
    if (!diaryPath)
        return kCommandFailed;
    const CDiaryDatabase diary(*diaryPath);
    const QDateTime stamp = m_context.clock.Now().toUTC();
    if (target != kStandardStream) {
        const ExportSummary summary = ExportDiaryToFile(diary, stamp, target);
        m_streams.out << target << ": " << summary.Text() << '\n';
        return kCommandDone;
    }
    const ExportSummary summary = ExportToStandardOutput(diary, stamp);
    // Standard output holds the calendar, so only entries left out are told.
    if (summary.leftOut > 0)
        m_streams.err << "plenda: " << summary.Text() << '\n';
    return kCommandDone;
}

int CalendarFileCommand::Import(const CCommandOptions& options) {
    if (options.Positionals().size() != 1)
        return Usage(m_streams,
                     QCoreApplication::translate("CalendarFileCommands",
                                                 "import takes one FILE ('-' for standard input)"));
    const QString& source = options.Positionals().first();
    const bool fromInput = source == kStandardStream;
    const QString name = fromInput ? StandardInputName() : source;
    // The whole file is read and checked before the diary is opened, so a
    // damaged file leaves no trace, not even a new diary file.
    const ImportPlan plan =
        ReadCalendar(fromInput ? ReadStandardInput() : ReadCalendarFile(source), name,
                     LocalImportOptions(options.Has(kHolidayOption), m_context.clock.Now().date()));
    const QString named = options.DiaryPath();
    const bool existed = named.isEmpty() || QFileInfo::exists(named);
    const std::optional<QString> diaryPath =
        CommandDiaryPath(m_context, named, true, m_streams.err);
    if (!diaryPath)
        return kCommandFailed;
    try {
        CDiaryDatabase diary(*diaryPath);
        const QString summary = AddNewEntries(plan, diary).Text();
        m_streams.out << name << ": " << summary << '\n';
    } catch (...) {
        // A diary file this import made and could not fill goes again.
        if (!existed)
            RemoveEmptyNewDiary(*diaryPath);
        throw;
    }
    return kCommandDone;
}
}  // namespace

bool IsCalendarFileCommand(const QString& name) {
    return name == kExport || name == kImport;
}

int RunCalendarFileCommand(const QString& name, const QStringList& arguments,
                           const DiaryCommandContext& context, CommandStreams streams) {
    QList<OptionSpec> accepted;
    if (name == kImport)
        accepted = {{kHolidayOption, false}};
    const CCommandOptions options(arguments, accepted);
    if (!options.Error().isEmpty())
        return Usage(streams, options.Error());
    CalendarFileCommand command(context, streams);
    try {
        return name == kExport ? command.Export(options) : command.Import(options);
    } catch (const CPlendaError& error) {
        streams.err << "plenda: " << error.Description() << '\n';
        return kCommandFailed;
    }
}

QString CalendarFileCommandsUsage() {
    return QCoreApplication::translate(
        "CalendarFileCommands",
        "  export [FILE]      write the whole diary as an iCalendar file (standard output\n"
        "                     without FILE or with '-')\n"
        "  import FILE [--holiday]\n"
        "                     add the events of an iCalendar file ('-' reads standard\n"
        "                     input); --holiday marks them public holidays\n");
}
