// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncHelper.h"

#include "sync/DiarySync.h"

SyncCounts SyncDiary(const QString& diaryPath, const QUrl& url, const QString& user,
                     const QString& password, int* requests) {
    return SynchroniseDiary(diaryPath, {url, user, password}, QDate(2027, 6, 1), requests);
}
