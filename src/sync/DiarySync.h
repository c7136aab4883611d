// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QUrl>

#include "sync/DavTransport.h"
#include "sync/SyncReconciler.h"

// One sync of a diary file with a calendar collection, as the command and
// the window run it. Throws CSyncError or CDatabaseError with a message for
// the user; the diary and its mapping are then as they were. `today` centres
// the window over which repeating events are listed day by day.
SyncCounts SynchroniseDiary(const QString& diaryPath, const DavAccount& account, QDate today,
                            int* requests = nullptr);

// The report of a sync: one line per direction and one for conflicts.
QString SyncReport(const SyncCounts& counts);

// The collection URL the user typed, made usable: HTTPS when no scheme is
// given, a closing slash. Empty with `error` set when it is no http or https
// URL with a host.
QUrl CollectionUrl(const QString& typed, QString* error);
