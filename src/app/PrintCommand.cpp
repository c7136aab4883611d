// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrintCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <exception>
#include <memory>

#include "app/CommandArguments.h"
#include "app/CommandOptions.h"
#include "app/StreamPrompts.h"
#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "diary/DiaryLocation.h"
#include "platform/Clock.h"
#include "platform/LocaleDateOrder.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "ui/platform/QtSystemColours.h"
#include "view/CalView.h"

namespace {
const QString kPdfOption = QStringLiteral("--pdf");
const QString kYearOption = QStringLiteral("--year");

int Complain(CommandStreams streams, const QString& why, int status) {
    streams.err << "plenda print: " << why << "\n";
    streams.err.flush();
    return status;
}

// The settings the view reads. It finds its diary through DiaryName, so
// for a --diary of one command it reads a copy of the settings naming that
// file, and the user's own settings stay as they are.
class PrintSettings {
public:
    PrintSettings(CSettingsStore& store, const QString& diaryPath, const QString& documentsFolder)
        : m_store(&store) {
        if (diaryPath.isEmpty()) {
            // A diary that cannot be used leaves the page without marks; the view says why.
            LocateDiaryForCommandLine(store, documentsFolder);
            return;
        }
        // Opening checks the file now, so a wrong --diary fails rather than
        // printing a page without its marks.
        CDiaryDatabase checked(diaryPath);
        const QString copy = m_copyDir.filePath(QStringLiteral("Calendar.ini"));
        QFile::copy(store.FilePath(), copy);
        m_copy = std::make_unique<CSettingsStore>(copy);
        m_copy->WriteText(QString::fromLatin1(CSettingsStore::kSettingsSection),
                          KeyName(Key::DiaryName), diaryPath);
        m_store = m_copy.get();
    }
    CSettingsStore& Store() { return *m_store; }

private:
    CSettingsStore* m_store;
    QTemporaryDir m_copyDir;
    std::unique_ptr<CSettingsStore> m_copy;
};

bool PrintPage(const MonthYear& shown, bool yearView, const QString& pdfFile, CSettingsStore& store,
               IClock& clock, CommandStreams streams) {
    CStreamPrompts prompts(streams.err);
    CQtSystemColours colours;
    CLocaleDateOrder dateOrder;
    CSettingsHelper settings(store, colours);
    PlatformServices services{&prompts, &clock, &dateOrder, &colours};
    CCalView view(services, settings, nullptr, ViewStart::Quiet);
    // The size of the default window: the print is centred as from there.
    view.resize(490, 390);
    view.ShowPage(shown.month, shown.year, yearView);
    return view.PrintToPdf(pdfFile);
}
}  // namespace

int RunPrintCommand(const QStringList& arguments, CSettingsStore& store, IClock& clock,
                    const QString& documentsFolder, CommandStreams streams) {
    const CCommandOptions options(arguments, {{kPdfOption, true}, {kYearOption, false}});
    if (!options.Error().isEmpty())
        return Complain(streams, options.Error(), kBadArguments);
    if (!options.Has(kPdfOption))
        return Complain(
            streams,
            QCoreApplication::translate("PrintCommand", "give the output file with --pdf FILE"),
            kBadArguments);
    QString error;
    const std::optional<MonthYear> shown =
        ReadMonthYear(options.Positionals(), clock.Now().date(), error);
    if (!shown)
        return Complain(streams, error, kBadArguments);
    try {
        PrintSettings settings(store, options.DiaryPath(), documentsFolder);
        const bool printed = PrintPage(*shown, options.Has(kYearOption), options.Value(kPdfOption),
                                       settings.Store(), clock, streams);
        return printed ? kCommandDone : kCommandFailed;
    } catch (const CDatabaseError& error) {
        return Complain(streams, error.Description(), kCommandFailed);
    } catch (const std::exception& error) {
        return Complain(streams, QString::fromLocal8Bit(error.what()), kCommandFailed);
    }
}
