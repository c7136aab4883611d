// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTextStream>

#include <QDate>
#include "diary/DiaryError.h"
#include "sync/DiarySync.h"

// A sync in a process of its own, for the test that kills one half-way.
// Arguments: diary path, calendar URL, user, password.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    try {
        QTextStream(stdout) << SyncReport(
            SynchroniseDiary(args[1], {QUrl(args[2]), args[3], args[4]}, QDate(2027, 6, 1)));
    } catch (const CPlendaError& error) {
        QTextStream(stderr) << error.Description() << '\n';
        return 1;
    }
    return 0;
}
