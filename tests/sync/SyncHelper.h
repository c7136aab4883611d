// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include "sync/SyncReconciler.h"

// One sync of the diary at `diaryPath` with the calendar at `url`, as the
// command runs it; `requests` receives how many HTTP requests it took.
SyncCounts SyncDiary(const QString& diaryPath, const QUrl& url, const QString& user,
                     const QString& password, int* requests = nullptr);
