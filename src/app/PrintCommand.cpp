// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrintCommand.h"

#include <QDate>
#include <exception>
#include <optional>

#include "app/CommandArguments.h"
#include "app/StreamPrompts.h"
#include "diary/DiaryLocation.h"
#include "platform/Clock.h"
#include "platform/LocaleDateOrder.h"
#include "settings/SettingsHelper.h"
#include "ui/platform/QtSystemColours.h"
#include "view/CalView.h"

namespace {
constexpr int kBadArguments = 2;
constexpr int kFailed = 1;
constexpr int kFirstYear = 1585;
constexpr int kLastYear = 9999;

struct PrintRequest {
    QString pdfFile;
    int month = 0;
    int year = 0;
    bool yearView = false;
};

int Refuse(CommandStreams streams, const QString& why) {
    streams.err << "plenda print: " << why << "\n";
    streams.err.flush();
    return kBadArguments;
}

// Splits the arguments into the options and the plain words MONTH YEAR.
std::optional<QString> ParseOptions(const QStringList& arguments, PrintRequest& request,
                                    QStringList& words) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--year")) {
            request.yearView = true;
        } else if (argument == QLatin1String("--pdf")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return QStringLiteral("--pdf needs a file name");
            request.pdfFile = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option '%1'").arg(argument);
        } else {
            words << argument;
        }
    }
    if (request.pdfFile.isEmpty())
        return QStringLiteral("give the output file with --pdf FILE");
    return std::nullopt;
}

std::optional<QString> ParseMonthYear(const QStringList& words, PrintRequest& request) {
    if (words.isEmpty())
        return std::nullopt;
    if (words.size() != 2)
        return QStringLiteral("give both MONTH and YEAR, or neither");
    const std::optional<int> month = ReadPlainNumber(words[0]);
    if (!month || *month < 1 || *month > 12)
        return QStringLiteral("MONTH must be a number from 1 to 12, not '%1'").arg(words[0]);
    const std::optional<int> year = ReadPlainNumber(words[1]);
    if (!year || *year < kFirstYear || *year > kLastYear)
        return QStringLiteral("YEAR must be a number from %1 to %2, not '%3'")
            .arg(kFirstYear)
            .arg(kLastYear)
            .arg(words[1]);
    request.month = *month;
    request.year = *year;
    return std::nullopt;
}
}  // namespace

int RunPrintCommand(const QStringList& arguments, CSettingsStore& store, IClock& clock,
                    const QString& documentsFolder, CommandStreams streams) {
    PrintRequest request;
    QStringList words;
    if (const auto error = ParseOptions(arguments, request, words))
        return Refuse(streams, *error);
    if (const auto error = ParseMonthYear(words, request))
        return Refuse(streams, *error);
    if (request.month == 0) {
        const QDate today = clock.Now().date();
        request.month = today.month();
        request.year = today.year();
    }

    // A diary that cannot be used leaves the page without marks; the view says why.
    LocateDiaryForCommandLine(store, documentsFolder);
    CStreamPrompts prompts(streams.err);
    CQtSystemColours colours;
    CLocaleDateOrder dateOrder;
    CSettingsHelper settings(store, colours);
    PlatformServices services{&prompts, &clock, &dateOrder, &colours};
    try {
        CCalView view(services, settings, nullptr, ViewStart::Quiet);
        // The size of the default window: the print is centred as from there.
        view.resize(490, 390);
        view.ShowPage(request.month, request.year, request.yearView);
        return view.PrintToPdf(request.pdfFile) ? 0 : kFailed;
    } catch (const std::exception& error) {
        streams.err << "plenda print: " << error.what() << "\n";
        streams.err.flush();
        return kFailed;
    }
}
