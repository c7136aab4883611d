// SPDX-License-Identifier: GPL-3.0-or-later
// A second process for the diary's reliability tests:
//   add PATH    adds entries in a loop, printing "N ID" once each add returned
//   probe PATH  prints "free" or "busy" as the start-up probe finds the file
#include <QCoreApplication>
#include <cstdio>

#include "diary/DiaryError.h"
#include "diary/DiaryLocation.h"
#include "diary/DiaryRecordset.h"
#include "settings/SettingsStore.h"

namespace {
int AddForever(const QString& path) {
    CSettingsStore settings(path + QStringLiteral(".ini"));
    CDiaryRecordset set(settings);
    set.SetFilter(CDiaryFilter::ById(0));
    set.OpenFile(path);
    for (int n = 1;; ++n) {
        set.AddNew();
        set.m_EventDate = QStringLiteral("05032007");
        set.m_EventDescription = QStringLiteral("entry %1").arg(n);
        set.m_EventTime = QStringLiteral("0930");
        set.Update();
        std::printf("%d %d\n", n, set.GetLastModifiedBookmark().id);
        std::fflush(stdout);
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    try {
        if (args[1] == QLatin1String("add"))
            return AddForever(args[2]);
        if (args[1] == QLatin1String("probe")) {
            std::printf("%s\n", ProbeDiaryFile(args[2]) ? "free" : "busy");
            return 0;
        }
    } catch (const CDatabaseError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 2;
}
